// CComparingDialog: the small window with a looping animation shown while files are compared or coloured.
#pragma once

#include "framework/CAnimateCtrl.h"
#include "framework/CDialog.h"

#include <string>

class CComparingDialog : public CDialog {
public:
    static constexpr UINT kAnimationId = 1023;

    CComparingDialog();
    // Creates and shows the window with its text and the animation playing.
    BOOL Create(const std::string& text);
    void SetText(const std::string& text);
    CAnimateCtrl& Animation() { return animation_; }

protected:
    BOOL OnInitDialog() override;

private:
    CAnimateCtrl animation_;
};

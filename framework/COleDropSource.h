// COleDropSource: the drag side of a drag-and-drop: ends the drag on button release, cancels on Escape.
#pragma once

#include <windows.h>
#include <ole2.h>

class COleDropSource : public IDropSource {
public:
    COleDropSource() = default;
    COleDropSource(const COleDropSource&) = delete;
    COleDropSource& operator=(const COleDropSource&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escapePressed, DWORD keyState) override;
    HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD effect) override;

private:
    virtual ~COleDropSource() = default;
    LONG references_ = 1;
};

// HeldMessages: what one side of a comparison tells while the other side is worked on at once, held until it can be told in order.
#pragma once

#include "engine/MessageSink.h"

#include <string>
#include <vector>

class HeldMessages : public MessageSink {
public:
    void ShowMessage(const std::string& text) override { texts_.push_back(text); }
    // Tells what was held, in the order it came.
    void TellTo(MessageSink& messages) const
    {
        for (const std::string& text : texts_)
            messages.ShowMessage(text);
    }

private:
    std::vector<std::string> texts_;
};

// MessageSink: where the engine sends the messages it shows the user.
#pragma once

#include <string>

// The program shows each message in its application message box; the
// developer tools print it on standard error. The engine formats the whole
// text itself, so every front end shows the same words.
class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual void ShowMessage(const std::string& text) = 0;
};

#include "engine/EngineError.h"

#include <cerrno>
#include <cstring>

void ReportEngineError(MessageSink& messages, const std::string& subject, int errorNumber)
{
    std::string text = subject;
    text += ": ";
    text += std::strerror(errorNumber);
    text += "\n";
    messages.ShowMessage(text);
}

void ReportMemoryExhausted(MessageSink& messages)
{
    ReportEngineError(messages, "Virtual memory exhausted", ENOMEM);
}

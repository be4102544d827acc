#include "engine/EngineError.h"

#include <cerrno>
#include <cstring>

void ReportEngineError(MessageSink& messages, const std::string& subject, int errorNumber)
{
    ReportEngineFailure(messages, subject, errorNumber != 0 ? std::strerror(errorNumber) : "Unknown error");
}

void ReportEngineFailure(MessageSink& messages, const std::string& subject, const std::string& reason)
{
    messages.ShowMessage(subject + ": " + reason + "\n");
}

void ReportMemoryExhausted(MessageSink& messages)
{
    ReportEngineError(messages, "Virtual memory exhausted", ENOMEM);
}

// EngineError: the engine's one way of telling the user that an operation failed.
#pragma once

#include "engine/MessageSink.h"

#include <string>

// Shows "subject: system text\n", the system text being the C library's
// description of errorNumber. A failure that left no error number (0) is
// shown as "Unknown error", never with the text for success.
void ReportEngineError(MessageSink& messages, const std::string& subject, int errorNumber);

// Shows "subject: reason\n" for a failure that the system did not report
// as an error, such as a file that ended before its expected size.
void ReportEngineFailure(MessageSink& messages, const std::string& subject, const std::string& reason);

// Shows that the engine ran out of memory ("Virtual memory exhausted").
void ReportMemoryExhausted(MessageSink& messages);

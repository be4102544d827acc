// EngineError: the engine's one way of telling the user that an operation failed.
#pragma once

#include "engine/MessageSink.h"

#include <string>

// Shows "subject: system text\n", the system text being the C library's
// description of errorNumber.
void ReportEngineError(MessageSink& messages, const std::string& subject, int errorNumber);

// Shows that the engine ran out of memory ("Virtual memory exhausted").
void ReportMemoryExhausted(MessageSink& messages);

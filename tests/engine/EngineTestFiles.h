// EngineTestFiles: what the engine tests share: private folders of input files, the system's diff and a message collector.
#pragma once

#include "engine/MessageSink.h"
#include "tests/support/SystemDiff.h"
#include "tests/support/TextLines.h"
#include "tests/support/TempFolder.h"

#include <string>
#include <vector>

// Keeps every message the engine shows.
class CollectedMessages : public MessageSink {
public:
    void ShowMessage(const std::string& text) override { texts.push_back(text); }
    std::vector<std::string> texts;
};

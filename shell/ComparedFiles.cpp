#include "shell/ComparedFiles.h"

#include <windows.h>

namespace {

// A file time counts 100-nanosecond steps from 1601-01-01 00:00 UTC.
constexpr uint64_t kStepsPerSecond = 10000000;
constexpr int64_t kSecondsFrom1601To1970 = 11644473600;

FileStamp StampOf(const WIN32_FILE_ATTRIBUTE_DATA& data)
{
    const uint64_t steps =
        (static_cast<uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32) | data.ftLastWriteTime.dwLowDateTime;
    FileStamp stamp;
    stamp.size = static_cast<int64_t>((static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow);
    stamp.seconds = static_cast<int64_t>(steps / kStepsPerSecond) - kSecondsFrom1601To1970;
    stamp.nanoseconds = static_cast<int32_t>(steps % kStepsPerSecond * 100);
    return stamp;
}

}  // namespace

DiskStatus ReadDiskStatus(const std::string& path)
{
    DiskStatus status;
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!::GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data))
        return status;
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        status.kind = DiskStatus::Kind::Folder;
        return status;
    }
    status.kind = DiskStatus::Kind::File;
    status.stamp = StampOf(data);
    return status;
}

void ComparedFiles::Record(const std::string& leftPath, const std::string& rightPath)
{
    const std::string paths[2] = {leftPath, rightPath};
    for (int side = Left; side <= Right; ++side) {
        const DiskStatus now = ReadDiskStatus(paths[side]);
        sides_[side] = SideState{paths[side], now, now};
    }
}

bool ComparedFiles::NextChange(Change& change)
{
    return FirstChange(&SideState::told, change);
}

bool ComparedFiles::ChangeSinceComparison(Change& change)
{
    return FirstChange(&SideState::compared, change);
}

bool ComparedFiles::FirstChange(const DiskStatus SideState::*against, Change& change)
{
    const DiskStatus now[2] = {ReadDiskStatus(sides_[Left].path), ReadDiskStatus(sides_[Right].path)};
    bool found = false;
    for (int side = Right; side >= Left; --side) {
        if (now[side] != sides_[side].*against) {
            change = Change{static_cast<Side>(side), now[side]};
            found = true;
        }
    }
    if (found) {
        sides_[Left].told = now[Left];
        sides_[Right].told = now[Right];
    }
    return found;
}

// ComparedFiles: what the two compared files were on disk at the comparison, and which later change the user was told of.
#pragma once

#include "engine/FileStamp.h"

#include <string>

// What a path names on disk now.
struct DiskStatus {
    enum class Kind { File, Missing, Folder };
    Kind kind = Kind::Missing;
    FileStamp stamp;  // of a file only

    bool operator==(const DiskStatus& other) const
    {
        return kind == other.kind && (kind != Kind::File || stamp == other.stamp);
    }
    bool operator!=(const DiskStatus& other) const { return !(*this == other); }
};

// The size and last write time of a file, or that the path is missing or a folder.
DiskStatus ReadDiskStatus(const std::string& path);

class ComparedFiles {
public:
    enum Side { Left = 0, Right = 1 };

    // Reads both paths' status as a comparison starts.
    void Record(const std::string& leftPath, const std::string& rightPath);
    const DiskStatus& AtComparison(Side side) const { return sides_[side].compared; }

    // A change of one file that the user is to be told of.
    struct Change {
        Side side;
        DiskStatus now;
    };
    // The first file whose status differs from the one last told (at first,
    // the comparison's); false when none does. What was found becomes the
    // status told for both files, so that a change is told once.
    bool NextChange(Change& change);
    // The same against the comparison's status, whatever was told since.
    bool ChangeSinceComparison(Change& change);

private:
    struct SideState {
        std::string path;
        DiskStatus compared;
        DiskStatus told;
    };
    bool FirstChange(const DiskStatus SideState::*against, Change& change);

    SideState sides_[2];
};

#include "ArchiveClasses.h"

#include <array>

namespace {

constexpr std::array<ArchiveClassInfo, kArchiveClassCount> kClasses = {{
    {"CKalvexBranch", 1},
    {"CHeatSource", 1},
    {"CResultInterval", 1},
    {"CCurve", 1},
    {"CGXGridParam", 1},
    {"CGridProperties", 1},
}};

}  // namespace

const ArchiveClassInfo& ClassInfo(ArchiveClass cls) { return kClasses[static_cast<std::size_t>(cls)]; }

std::optional<ArchiveClass> FindArchiveClass(std::string_view name)
{
    for (std::size_t i = 0; i < kClasses.size(); ++i)
        if (kClasses[i].name == name)
            return static_cast<ArchiveClass>(i);
    return std::nullopt;
}

#pragma once
// The classes that can be created by name from a document file.
#include <cstdint>
#include <optional>
#include <string_view>

enum class ArchiveClass : std::uint8_t {
    KalvexBranch,
    HeatSource,
    ResultInterval,
    Curve,
    GridParam,
    GridProperties,
};
inline constexpr std::size_t kArchiveClassCount = 6;

struct ArchiveClassInfo {
    std::string_view name;
    std::uint16_t schema;
};

const ArchiveClassInfo& ClassInfo(ArchiveClass cls);
std::optional<ArchiveClass> FindArchiveClass(std::string_view name);

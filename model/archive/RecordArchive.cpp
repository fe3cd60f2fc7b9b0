#include "RecordArchive.h"

#include "ArchiveError.h"
#include "ArchiveReader.h"
#include "ArchiveWriter.h"
#include "KalvexBranch.h"

#include <array>

namespace {

// Branch doubles 4 to 28 in file order (const or not, as the branch).
template <typename Branch>
auto BranchDoubles(Branch& b)
{
    return std::array{&b.outputInterval, &b.length,         &b.depthIn,         &b.depthOut,
            &b.area,           &b.perimeter,      &b.frictionFactor,  &b.wetness,
            &b.ageIn,          &b.ageOut,         &b.intakeQuantity,  &b.intakePressure,
            &b.intakeDryBulb,  &b.intakeWetBulb,  &b.vrtIn,           &b.geothermalStep,
            &b.rockConductivity, &b.rockDiffusivity, &b.addedDryBulb, &b.addedWetBulb,
            &b.addedQuantity,  &b.outletDryBulb,  &b.outletWetBulb,   &b.outletPressure,
            &b.outletMassFlow};
}

// Result doubles 1 to 17 in file order.
template <typename Row>
auto ResultDoubles(Row& r)
{
    return std::array{&r.distance,     &r.dryBulb,  &r.wetBulb,       &r.pressure,     &r.density,
            &r.moisture,     &r.dryWallTemp, &r.vrt,        &r.humidity,     &r.enthalpy,
            &r.sigmaHeat,    &r.meanSkinTemp, &r.effectiveTemp, &r.wbgt,     &r.strataLatent,
            &r.strataSensible, &r.heatTransferCoeff};
}

// Smallest sizes in the file of a list entry: a WORD tag, then the
// record's fixed members and an empty text.
constexpr std::size_t kMinTaggedRecord = 2;
constexpr std::size_t kMinHeatSource = kMinTaggedRecord + 1 + 4 * 8 + 1;
constexpr std::size_t kMinResultRow = kMinTaggedRecord + 17 * 8 + 2 + 1;

}  // namespace

void WriteHeatSourceMembers(CArchiveWriter& out, const CHeatSource& source)
{
    out.WriteByte(source.kind);
    out.WriteDouble(source.location);
    out.WriteDouble(source.length());
    out.WriteDouble(source.sensibleHeat());
    out.WriteDouble(source.latentHeat());
    out.WriteString(source.description);
}

void ReadHeatSourceMembers(CArchiveReader& in, CHeatSource& source)
{
    source.kind = in.ReadByte();
    source.location = in.ReadDouble();
    source.length() = in.ReadDouble();
    source.sensibleHeat() = in.ReadDouble();
    source.latentHeat() = in.ReadDouble();
    source.description = in.ReadString();
}

void WriteResultMembers(CArchiveWriter& out, const CResultInterval& row)
{
    for (const double* value : ResultDoubles(row))
        out.WriteDouble(*value);
    out.WriteBool(row.condensing);
    out.WriteBool(row.isMessage);
    out.WriteString(row.messageText);
}

void ReadResultMembers(CArchiveReader& in, CResultInterval& row)
{
    for (double* value : ResultDoubles(row))
        *value = in.ReadDouble();
    row.condensing = in.ReadBool();
    row.isMessage = in.ReadBool();
    row.messageText = in.ReadString();
}

void WriteFanReg(CArchiveWriter& out, const CFanReg& fanReg)
{
    out.WriteDouble(fanReg.location);
    out.WriteDouble(fanReg.sensibleHeat);
    out.WriteDouble(fanReg.pressureChange);
    out.WriteString(fanReg.description);
}

void ReadFanReg(CArchiveReader& in, CFanReg& fanReg)
{
    fanReg.location = in.ReadDouble();
    fanReg.sensibleHeat = in.ReadDouble();
    fanReg.pressureChange = in.ReadDouble();
    fanReg.description = in.ReadString();
}

void WriteBranchMembers(CArchiveWriter& out, const CKalvexBranch& branch)
{
    out.WriteWord(branch.branchId);
    out.WriteString(branch.name);
    out.WriteString(branch.description);
    for (const double* value : BranchDoubles(branch))
        out.WriteDouble(*value);

    out.WriteCount(branch.HeatSourceList().size());
    for (const CHeatSource& source : branch.HeatSourceList()) {
        out.BeginObject(ArchiveClass::HeatSource);
        WriteHeatSourceMembers(out, source);
    }
    out.WriteCount(branch.ResultList().size());
    for (const CResultInterval& row : branch.ResultList()) {
        out.BeginObject(ArchiveClass::ResultInterval);
        WriteResultMembers(out, row);
    }
    WriteFanReg(out, branch.fanReg);
    out.WriteWordList(branch.SourceBranchIds());
}

void ReadBranchMembers(CArchiveReader& in, CKalvexBranch& branch)
{
    branch.branchId = in.ReadWord();
    branch.name = in.ReadString();
    branch.description = in.ReadString();
    for (double* value : BranchDoubles(branch))
        *value = in.ReadDouble();

    // A list entry must be a record of the list's class; a null entry would
    // leave the list with a hole that nothing else in the program expects.
    // The counts are checked against what the rest of the file can hold, so
    // reserving them takes at most a little more memory than the file.
    const std::size_t sourceCount = in.ReadCount(kMinHeatSource);
    std::vector<CHeatSource>& sources = branch.HeatSourceList();
    sources.clear();
    sources.reserve(sourceCount);
    for (std::size_t i = 0; i < sourceCount; ++i) {
        if (!in.ReadObjectTag(ArchiveClass::HeatSource))
            throw CArchiveError(ArchiveErrorKind::BadClass, "empty heat source entry");
        CHeatSource source;
        ReadHeatSourceMembers(in, source);
        sources.push_back(std::move(source));
    }

    const std::size_t resultCount = in.ReadCount(kMinResultRow);
    std::vector<CResultInterval>& rows = branch.ResultList();
    rows.clear();
    rows.reserve(resultCount);
    for (std::size_t i = 0; i < resultCount; ++i) {
        if (!in.ReadObjectTag(ArchiveClass::ResultInterval))
            throw CArchiveError(ArchiveErrorKind::BadClass, "empty result entry");
        CResultInterval row;
        ReadResultMembers(in, row);
        rows.push_back(std::move(row));
    }

    ReadFanReg(in, branch.fanReg);
    branch.SetSourceBranchIds(in.ReadWordList());
}

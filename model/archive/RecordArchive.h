#pragma once
// Members of the branch and of the records that hang off it, in file order.
#include <memory>

class CArchiveReader;
class CArchiveWriter;
class CKalvexBranch;
class CHeatSource;
class CResultInterval;
class CFanReg;

// Members only; the caller writes or has read the object's tag.
void WriteBranchMembers(CArchiveWriter& out, const CKalvexBranch& branch);
void ReadBranchMembers(CArchiveReader& in, CKalvexBranch& branch);

void WriteHeatSourceMembers(CArchiveWriter& out, const CHeatSource& source);
void ReadHeatSourceMembers(CArchiveReader& in, CHeatSource& source);

void WriteResultMembers(CArchiveWriter& out, const CResultInterval& row);
void ReadResultMembers(CArchiveReader& in, CResultInterval& row);

// The fan/regulator record is written inside its branch, without a tag.
void WriteFanReg(CArchiveWriter& out, const CFanReg& fanReg);
void ReadFanReg(CArchiveReader& in, CFanReg& fanReg);

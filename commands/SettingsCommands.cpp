#include "SettingsCommands.h"

#include "LayoutHint.h"

CWorkerStored CWorkerStored::Of(const CKalvexDoc& doc)
{
    return {doc.metabolicRate,      doc.clothingResistance, doc.areaFactor,
            doc.vapourPermeability, doc.bodyViewFactor,     doc.skinTempLimit};
}

CWorkerStored CWorkerStored::From(const CWorkerValues& values)
{
    CKalvexDoc scratch;
    scratch.SetWorkerValues(values);
    return Of(scratch);
}

void CWorkerStored::WriteTo(CKalvexDoc& doc) const
{
    doc.metabolicRate = metabolicRate;
    doc.clothingResistance = clothingResistance;
    doc.areaFactor = areaFactor;
    doc.vapourPermeability = vapourPermeability;
    doc.bodyViewFactor = bodyViewFactor;
    doc.skinTempLimit = skinTempLimit;
}

CWorkerCommand::CWorkerCommand(CKalvexDoc& doc, const CWorkerValues& values)
    : CDocumentCommand(doc, QStringLiteral("Worker Description")),
      m_before(CWorkerStored::Of(doc)),
      m_after(CWorkerStored::From(values))
{
}

void CWorkerCommand::Apply(bool undo)
{
    (undo ? m_before : m_after).WriteTo(m_doc);
}

CSequenceModeCommand::CSequenceModeCommand(CKalvexDoc& doc)
    : CDocumentCommand(doc, QStringLiteral("Sequence Mode")), m_before(doc.sequenceMode)
{
}

void CSequenceModeCommand::Apply(bool undo)
{
    m_doc.sequenceMode = undo ? m_before : !m_before;
}

CColumnListCommand::CColumnListCommand(CKalvexDoc& doc, ColumnListMember list, std::vector<ColumnId> after)
    : CDocumentCommand(doc, QStringLiteral("Columns")), m_list(list), m_before(doc.*list), m_after(std::move(after))
{
}

void CColumnListCommand::Apply(bool undo)
{
    m_doc.*m_list = undo ? m_before : m_after;
}

void CColumnListCommand::Notify()
{
    m_doc.SetModifiedFlag();
    CLayoutHint hint(&(m_doc.*m_list));
    m_doc.UpdateAllViews(nullptr, kHintContents, &hint);
}

CPageSetupCommand::CPageSetupCommand(CKalvexDoc& doc, GridParamMember param, const CGridProperties& after)
    : CDocumentCommand(doc, QStringLiteral("Page Setup")),
      m_param(param),
      m_before((doc.*param)->properties),
      m_after(after)
{
}

void CPageSetupCommand::Apply(bool undo)
{
    if (const auto& param = m_doc.*m_param)
        param->properties = undo ? m_before : m_after;
}

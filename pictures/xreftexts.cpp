#include "pictures/xreftexts.h"

#include "obdata/datecodes.h"
#include "obdata/vocabulary.h"

namespace quorvant {

std::vector<std::string> CrossReferenceCells(const CPicUseRecord& record, int generation,
                                             const std::vector<std::string>& nationList) {
    return {std::to_string(record.Unit),
            record.Name,
            EntryOrEmpty(nationList, NationPosition(record.Nationality)),
            ListDateText(generation, record.Available, record.AvailMonth),
            ListDateText(generation, record.UnAvailable),
            record.OBFile};
}

} // namespace quorvant

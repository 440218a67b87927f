#pragma once

#include "DataFileRecord.h"

#include "model/AppConfig.h"
#include "model/LedSequence.h"

namespace zg {

// Open: replaces the document and both speeds by the record, skipping unreadable fields. The grid
// is cleared first, so an event whose field is unreadable ends up with all cells off; every other
// unreadable field leaves its value as it was. Call it only for a file that could be opened.
AppliedSpeeds OpenRecord(const DataFileRecord& record, LedSequence& sequence);

// Merge: turns on every cell that is on in the record and none off, leaves the colours alone, and
// replaces EndEvent, the servo modes and both speeds. Unreadable fields change nothing.
AppliedSpeeds MergeRecord(const DataFileRecord& record, LedSequence& sequence);

} // namespace zg

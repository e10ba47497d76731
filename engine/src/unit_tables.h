// The process and subprogram tables the units register carry no length:
// the counts of a unit's design data say how many entries the kernel reads.
#ifndef TOVU_UNIT_TABLES_H
#define TOVU_UNIT_TABLES_H

namespace tovu {

// Checks every registered unit's tables against its counts: a unit with a
// subprogram count registers a subprogram table, and every entry within the
// counts is empty or the address of code (an entry that is data shows that
// the counts are larger than the table). Throws ElabError with
// "FILE:LINE: error: cause" for the first fault.
void check_unit_tables();

}  // namespace tovu

#endif

// The process and subprogram tables the units register carry no length:
// the counts of a unit's design data say how many entries the kernel reads.
// The program's own symbol table records each table's size.
#ifndef TOVU_UNIT_TABLES_H
#define TOVU_UNIT_TABLES_H

#include <cstdint>
#include <string>

namespace tovu {

// Checks every registered unit's tables against its counts: a unit with a
// subprogram count registers a subprogram table, and no count exceeds the
// size the symbol table of the program (or shared library) records for its
// table; every entry within the counts is empty or the address of code. A
// table no readable symbol records (a stripped program) is taken on trust
// and not read. The symbol table is read once, when a count is first
// checked. Throws ElabError with "FILE:LINE: error: cause" for the first
// fault.
void check_unit_tables();

// Of the `bytes` a symbol records from `p` to the end of its object, those
// the object itself holds: all of them, except under AddressSanitizer, where
// an instrumented object is followed by a red zone that clang counts in the
// symbol's size. The object then ends where the red zone begins, found from
// the sanitizer's shadow memory without reading the red zone.
uint64_t object_bytes(const void *p, uint64_t bytes);

namespace testing {

// The file the main program's symbols are read from (default
// /proc/self/exe).
void set_program_file(const std::string &path);

}  // namespace testing

}  // namespace tovu

#endif

// The design-data folder of the program a unit is compiled into. The units
// that both programs share are compiled once per program, each time with
// TOVU_SNAPSHOT naming that program ("benchsnap" or "topsnap"), so that their
// registration names the program's own design data.
#ifndef TOVU_UNITS_SNAPSHOT_H
#define TOVU_UNITS_SNAPSHOT_H

#ifndef TOVU_SNAPSHOT
#define TOVU_SNAPSHOT "benchsnap"
#endif

// "kest/<program>.exe.sim/" followed by a path such as "work/a_....didat".
#define SNAPSHOT_DIDAT(path) "kest/" TOVU_SNAPSHOT ".exe.sim/" path

#endif

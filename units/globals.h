// Package memory globals shared by all units.
#ifndef TOVU_UNITS_GLOBALS_H
#define TOVU_UNITS_GLOBALS_H

extern char *IEEE_P_2592010699;
extern char *STD_STANDARD;
extern char *IEEE_P_3620187407;
extern char *IEEE_P_3499444699;
extern char *IEEE_P_1242562249;
extern char *GATLIB_P_0947159679;
extern char *IEEE_P_3972351953;
extern char *IEEE_P_0774719531;
extern char *STD_TEXTIO;
extern char *IEEE_P_2717149903;
extern char *IEEE_P_1367372525;
extern char *GATLIB_P_3222816464;

// Stores each package's block in its global, in the programs' fixed order;
// std_logic_1164's block goes to the kernel at once. Called once, after the
// top unit is named.
void fetch_package_globals();

#endif

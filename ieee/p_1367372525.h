// VITAL_Primitives (unit ieee_p_1367372525): the package body's 142
// subprograms, the registration, and where the code finds the package's
// design data.
//
// Every subprogram takes the package's block (IEEE_P_1367372525) first; the
// procedures take the calling process's process_record second. TIME travels
// as a 64-bit sim_time, std_ulogic / BOOLEAN / enumerations as one byte.
// Records (SchedType, GlitchDataType) and constrained arrays (delay records,
// result maps, std_logic_vector2..8, SchedArray2..8) pass as a data pointer
// alone; unconstrained arrays as data pointer plus array_bounds pointer; the
// truth and state tables as data pointer plus a pointer to two consecutive
// array_bounds (rows, then columns). A record or constrained-array result is
// a transient copy of exactly its size; an unconstrained-array result fills
// the array_bounds passed second. Signal parameters: IN is (signal_record,
// element position, byte offset[, array_bounds]); OUT adds the caller's
// driver_record after the byte offset.
#ifndef TOVU_IEEE_P_1367372525_H
#define TOVU_IEEE_P_1367372525_H

#include <cstddef>
#include <cstdint>

#include "tovu/zem.h"

namespace vital_primitives {

// Type descriptors in the block.
constexpr size_t kTypeSchedType = 0x000;
constexpr size_t kTypeSchedArray = 0x070;
constexpr size_t kTypeSchedArray2 = 0x0e0;
constexpr size_t kTypeSchedArray4 = 0x150;
constexpr size_t kTypeSchedArray8 = 0x1c0;
constexpr size_t kTypeGlitchData = 0x230;
constexpr size_t kTypeGlitchDataArray = 0x2a0;
constexpr size_t kTypeEdge = 0x310;
constexpr size_t kTypeEdgeArray = 0x380;

// Object descriptors of the constants (+0 points to the value).
constexpr size_t kConstLogicToEdge = 0x600;        // 9 x 9 EdgeType, (last, current)
constexpr size_t kConstLogicToLevel = 0x678;       // 9 EdgeType
constexpr size_t kConstBufIf0 = 0x6f0;             // 9 x 9 std_ulogic, (Enable, Data)
constexpr size_t kConstBufIf1 = 0x768;
constexpr size_t kConstInvIf0 = 0x7e0;
constexpr size_t kConstInvIf1 = 0x858;
constexpr size_t kConstToStateChar = 0x8d0;        // 23 characters
constexpr size_t kConstToTruthChar = 0x948;        // 6 characters
constexpr size_t kConstTruthTableOutMap = 0x9c0;   // 6 std_ulogic
constexpr size_t kConstStateTableOutMap = 0xa38;   // 23 std_ulogic
constexpr size_t kConstValidTruthTableInput = 0xab0;  // 6 BOOLEAN
constexpr size_t kConstTruthTableMatch = 0xb28;       // 3 x 6 BOOLEAN
constexpr size_t kConstValidStateTableInput = 0xba0;  // 23 BOOLEAN
constexpr size_t kConstValidStateTableState = 0xc18;  // 23 BOOLEAN
constexpr size_t kConstStateTableMatch = 0xc90;       // 3 x 3 x 23 BOOLEAN
constexpr size_t kConstCvtToUX01Z = 0xd08;            // 9 std_ulogic
constexpr size_t kConstLogicCvtTable = 0xd80;         // 9 characters
constexpr size_t kConstErrorSeverity = 0xdf8;         // 9 severity bytes
constexpr size_t kConstMessage[9] = {0xe70, 0xee8, 0xf60, 0xfd8, 0x1050, 0x10c8, 0x1140, 0x11b8, 0x1230};
constexpr uint32_t kMessageLength[9] = {66, 59, 60, 53, 34, 44, 68, 50, 49};
constexpr size_t kConstPrimGlitchMode = 0x12a8;  // VitalGlitchModeType
constexpr size_t kConstInitialEdge = 0x1320;     // 9 EdgeType
constexpr size_t kConstDefSchedType = 0x1398;    // SchedType
constexpr size_t kConstDefSchedAnd = 0x1410;     // SchedType
constexpr size_t kConstDefSchedArray2 = 0x1488;  // SchedArray(1 downto 0)

// The literal pool.
constexpr size_t kLiteralPool = 0x1500;
constexpr size_t kLitSeparator = kLiteralPool + 0x000;      // ": "
constexpr size_t kLitMux4Choices = kLiteralPool + 0x008;    // 8 x 2 std_ulogic
constexpr size_t kLitTriStateChoices = kLiteralPool + 0x018;  // 15 x 2 std_ulogic
constexpr size_t kLitIdentChoices = kLiteralPool + 0x038;     // 15 x 2 std_ulogic
constexpr size_t kLitDecoderEmpty = kLiteralPool + 0x058;     // 1 std_ulogic
constexpr size_t kLitTruthTable = kLiteralPool + 0x060;       // 15 characters
constexpr size_t kLitStateTable = kLiteralPool + 0x070;       // 15
constexpr size_t kLitPrevDataInfo = kLiteralPool + 0x080;     // 21
constexpr size_t kLitIndexOpen = kLiteralPool + 0x0a0;        // 1
constexpr size_t kLitIndexClose = kLiteralPool + 0x0a1;       // 1
constexpr size_t kLitIndexNone = kLiteralPool + 0x0a2;        // 1
constexpr size_t kLitGlitchDetected = kLiteralPool + 0x0a8;   // 26
constexpr size_t kLitGlitchPreempt = kLiteralPool + 0x0c8;    // 28
constexpr size_t kLitGlitchAt1 = kLiteralPool + 0x0e8;        // 3
constexpr size_t kLitGlitchNew = kLiteralPool + 0x0f0;        // 27
constexpr size_t kLitGlitchAt2 = kLiteralPool + 0x110;        // 3
constexpr size_t kLitGlitchEnd = kLiteralPool + 0x118;        // 1
constexpr size_t kLitGetEdge = kLiteralPool + 0x120;          // 7
constexpr size_t kLitGetEdgeInfo = kLiteralPool + 0x128;      // 14
constexpr size_t kLitGlitchOnEventError = kLiteralPool + 0x138;   // 18
constexpr size_t kLitGlitchOnEventReport = kLiteralPool + 0x150;  // 18
constexpr size_t kLitOutputName = kLiteralPool + 0x168;  // 1 character per concurrent procedure, entry 94 first

// Record layouts.
constexpr size_t kSchedSize = 40;
constexpr size_t kSchedInp0 = 0, kSchedInp1 = 8, kSchedInpX = 16, kSchedGlch0 = 24, kSchedGlch1 = 32;
constexpr size_t kGlitchDataSize = 24;
constexpr size_t kGlitchSchedTime = 0, kGlitchGlitchTime = 8, kGlitchSchedValue = 16, kGlitchCurrentValue = 17;

// EdgeType positions.
enum EdgeType : uint8_t {
    kEdgeU = 0, kEdgeX, kEdge0, kEdge1, kEdgeFall, kEdgeRise, kEdgeToZero, kEdgeToOne,
    kEdgeOneToX, kEdgeZeroToX, kEdgeUnknown, kEdgeViolation
};
// VitalErrorType positions.
enum ErrorId : uint8_t {
    kErrNegDel = 0, kErrInpSym, kErrOutSym, kErrStaSym, kErrVctLng, kErrTabWidSml, kErrTabWidLrg, kErrTabResSml,
    kErrTabResLrg
};
// VitalGlitchModeType positions.
enum GlitchMode : uint8_t { kMessagePlusX = 0, kMessageOnly, kXOnly, kNoGlitch };

}  // namespace vital_primitives

extern "C" {
void ieee_p_1367372525_init(void);

// ---- 0 to 22: body-local helpers ------------------------------------------
// 0 to 3: Minimum (INTEGER, TIME), Maximum (INTEGER, TIME)
int32_t ieee_p_1367372525_sub_1019729693_4070434989(char *block, int32_t a, int32_t b);
int64_t ieee_p_1367372525_sub_2876942914_4070434989(char *block, int64_t a, int64_t b);
int32_t ieee_p_1367372525_sub_3699347359_4070434989(char *block, int32_t a, int32_t b);
int64_t ieee_p_1367372525_sub_1261593284_4070434989(char *block, int64_t a, int64_t b);
// 4: GlitchMinTime
int64_t ieee_p_1367372525_sub_801899123_4070434989(char *block, int64_t time1, int64_t time2);
// 5: VitalMessage (ErrorId) return STRING
char *ieee_p_1367372525_sub_2224505450_4070434989(char *block, array_bounds *result, uint8_t error_id);
// 6 to 8: VitalError (Routine, ErrorId [, Info STRING | CHARACTER])
void ieee_p_1367372525_sub_891213412_4070434989(char *block, void *context, const char *routine,
                                                const array_bounds *routine_b, uint8_t error_id);
void ieee_p_1367372525_sub_648230642_4070434989(char *block, void *context, const char *routine,
                                                const array_bounds *routine_b, uint8_t error_id, const char *info,
                                                const array_bounds *info_b);
void ieee_p_1367372525_sub_707547060_4070434989(char *block, void *context, const char *routine,
                                                const array_bounds *routine_b, uint8_t error_id, uint8_t info);
// 9: ReportGlitch
void ieee_p_1367372525_sub_2507489675_4070434989(char *block, void *context, const char *routine,
                                                 const array_bounds *routine_b, const char *name,
                                                 const array_bounds *name_b, int64_t preempted_time,
                                                 uint8_t preempted_value, int64_t new_time, uint8_t new_value,
                                                 int32_t index, uint8_t is_array, uint8_t severity);
// 10, 11: VitalGlitchOnEvent (std_ulogic output, vector output)
void ieee_p_1367372525_sub_2672610346_4070434989(char *block, void *process, void *out_sig, uint32_t out_pos,
                                                 uint32_t out_off, void *out_drv, const char *name,
                                                 const array_bounds *name_b, uint8_t *glitch_data,
                                                 uint8_t new_value, int64_t new_delay, uint8_t mode,
                                                 int64_t glitch_delay, uint8_t severity);
void ieee_p_1367372525_sub_2661383135_4070434989(char *block, void *process, void *out_sig, uint32_t out_pos,
                                                 uint32_t out_off, void *out_drv, const array_bounds *out_b,
                                                 const char *name, const array_bounds *name_b, uint8_t *glitch_data,
                                                 const array_bounds *glitch_b, const uint8_t *new_value,
                                                 const array_bounds *new_value_b, const int64_t *new_delay,
                                                 const array_bounds *new_delay_b, uint8_t mode,
                                                 const int64_t *glitch_delay, const array_bounds *glitch_delay_b,
                                                 uint8_t severity);
// 12 to 15: the table helpers
void ieee_p_1367372525_sub_1973817075_4070434989(char *block, void *context, uint8_t symbol, uint8_t *out,
                                                 uint8_t *err);
void ieee_p_1367372525_sub_2176736808_4070434989(char *block, void *context, uint8_t symbol, uint8_t prev_out,
                                                 uint8_t *out, uint8_t *err);
void ieee_p_1367372525_sub_1687454899_4070434989(char *block, void *context, uint8_t symbol, uint8_t present,
                                                 uint8_t last, uint8_t state, uint8_t *err, uint8_t *match);
uint8_t *ieee_p_1367372525_sub_554835078_4070434989(char *block, array_bounds *result, const uint8_t *table,
                                                    const array_bounds *table_b, const uint8_t *data_in,
                                                    const array_bounds *data_in_b, const uint8_t *prev_data_in,
                                                    const array_bounds *prev_data_in_b, int32_t num_states,
                                                    const uint8_t *prev_output, const array_bounds *prev_output_b);
// 16: To_UX01Z
uint8_t ieee_p_1367372525_sub_2851374196_4070434989(char *block, uint8_t value);
// 17, 18: GetEdge (std_ulogic signal -> EdgeType; vector signal, procedure)
uint8_t ieee_p_1367372525_sub_26934960_4070434989(char *block, void *sig, uint32_t pos, uint32_t off);
void ieee_p_1367372525_sub_915516184_4070434989(char *block, void *context, void *sig, uint32_t pos, uint32_t off,
                                                const array_bounds *sig_b, uint8_t *last, const array_bounds *last_b,
                                                uint8_t *edge, const array_bounds *edge_b);
// 19: ToEdge
uint8_t ieee_p_1367372525_sub_162078037_4070434989(char *block, uint8_t value);
// 20, 21: CurValue (GlitchDataType; GlitchDataArrayType return std_logic_vector)
uint8_t ieee_p_1367372525_sub_1321872912_4070434989(char *block, const uint8_t *glitch_data);
uint8_t *ieee_p_1367372525_sub_2531918842_4070434989(char *block, array_bounds *result, const uint8_t *glitch_data,
                                                     const array_bounds *glitch_b);
// 22: VitalSame
uint8_t ieee_p_1367372525_sub_177276481_4070434989(char *block, uint8_t a, uint8_t b);

// ---- 23 to 31: schedule updates and delays ---------------------------------
// 23 to 26: BufPath, InvPath (scalar, vector)
void ieee_p_1367372525_sub_2819976785_4070434989(char *block, void *context, uint8_t *schd, uint8_t edge,
                                                 const int64_t *tpd);
void ieee_p_1367372525_sub_3111600860_4070434989(char *block, void *context, uint8_t *schd,
                                                 const array_bounds *schd_b, const uint8_t *edge,
                                                 const array_bounds *edge_b, const int64_t *tpd,
                                                 const array_bounds *tpd_b);
void ieee_p_1367372525_sub_827555649_4070434989(char *block, void *context, uint8_t *schd, uint8_t edge,
                                                const int64_t *tpd);
void ieee_p_1367372525_sub_1119179724_4070434989(char *block, void *context, uint8_t *schd,
                                                 const array_bounds *schd_b, const uint8_t *edge,
                                                 const array_bounds *edge_b, const int64_t *tpd,
                                                 const array_bounds *tpd_b);
// 27, 28: BufEnab, InvEnab
void ieee_p_1367372525_sub_2732900579_4070434989(char *block, void *context, uint8_t *schd1, uint8_t *schd0,
                                                 uint8_t edge, const int64_t *tpd);
void ieee_p_1367372525_sub_740479443_4070434989(char *block, void *context, uint8_t *schd1, uint8_t *schd0,
                                                uint8_t edge, const int64_t *tpd);
// 29 to 31: GetSchedDelay (scalar, vector, tri-state)
void ieee_p_1367372525_sub_2543757985_4070434989(char *block, void *context, int64_t *new_delay,
                                                 int64_t *glitch_delay, uint8_t new_value, uint8_t cur_value,
                                                 const uint8_t *sched);
void ieee_p_1367372525_sub_2959442363_4070434989(char *block, void *context, int64_t *new_delay,
                                                 const array_bounds *new_delay_b, int64_t *glitch_delay,
                                                 const array_bounds *glitch_delay_b, const uint8_t *new_value,
                                                 const array_bounds *new_value_b, const uint8_t *cur_value,
                                                 const array_bounds *cur_value_b, const uint8_t *sched,
                                                 const array_bounds *sched_b);
void ieee_p_1367372525_sub_2143903942_4070434989(char *block, void *context, int64_t *new_delay,
                                                 int64_t *glitch_delay, uint8_t new_value, uint8_t cur_value,
                                                 const uint8_t *d, const uint8_t *e1, const uint8_t *e0);

// ---- 32 to 53: schedule functions (each returns a transient SchedType, or
// a SchedArray for the decoders) ----------------------------------------------
uint8_t *ieee_p_1367372525_sub_3288686485_4070434989(char *block, const uint8_t *a);                    // not
uint8_t *ieee_p_1367372525_sub_2852316380_4070434989(char *block, const uint8_t *a, const uint8_t *b);  // and
uint8_t *ieee_p_1367372525_sub_3792371914_4070434989(char *block, const uint8_t *a, const uint8_t *b);  // or
uint8_t *ieee_p_1367372525_sub_1560207530_4070434989(char *block, const uint8_t *a, const uint8_t *b);  // nand
uint8_t *ieee_p_1367372525_sub_3362765528_4070434989(char *block, const uint8_t *a, const uint8_t *b);  // nor
// 37, 38: VitalXOR2, VitalXNOR2 (ab, ai, bb, bi)
uint8_t *ieee_p_1367372525_sub_2159428141_4070434989(char *block, const uint8_t *ab, const uint8_t *ai,
                                                     const uint8_t *bb, const uint8_t *bi);
uint8_t *ieee_p_1367372525_sub_3940177659_4070434989(char *block, const uint8_t *ab, const uint8_t *ai,
                                                     const uint8_t *bb, const uint8_t *bi);
// 39, 40: VitalXOR3, VitalXNOR3
uint8_t *ieee_p_1367372525_sub_1685097188_4070434989(char *block, const uint8_t *ab, const uint8_t *ai,
                                                     const uint8_t *bb, const uint8_t *bi, const uint8_t *cb,
                                                     const uint8_t *ci);
uint8_t *ieee_p_1367372525_sub_3465846706_4070434989(char *block, const uint8_t *ab, const uint8_t *ai,
                                                     const uint8_t *bb, const uint8_t *bi, const uint8_t *cb,
                                                     const uint8_t *ci);
// 41, 42: VitalXOR4, VitalXNOR4
uint8_t *ieee_p_1367372525_sub_2245762817_4070434989(char *block, const uint8_t *ab, const uint8_t *ai,
                                                     const uint8_t *bb, const uint8_t *bi, const uint8_t *cb,
                                                     const uint8_t *ci, const uint8_t *db, const uint8_t *di);
uint8_t *ieee_p_1367372525_sub_4026512335_4070434989(char *block, const uint8_t *ab, const uint8_t *ai,
                                                     const uint8_t *bb, const uint8_t *bi, const uint8_t *cb,
                                                     const uint8_t *ci, const uint8_t *db, const uint8_t *di);
// 43, 44: VitalXOR, VitalXNOR (DataB, DataI: SchedArray)
uint8_t *ieee_p_1367372525_sub_2813847755_4070434989(char *block, const uint8_t *data_b, const array_bounds *data_b_b,
                                                     const uint8_t *data_i, const array_bounds *data_i_b);
uint8_t *ieee_p_1367372525_sub_2217057241_4070434989(char *block, const uint8_t *data_b, const array_bounds *data_b_b,
                                                     const uint8_t *data_i, const array_bounds *data_i_b);
// 45 to 49: VitalMUX2 (d1, d0, sb, SI), VitalMUX4 and VitalMUX8 (Data, sb, SI
// constrained), VInterMux and VitalMUX (Data, sb, SI: SchedArray)
uint8_t *ieee_p_1367372525_sub_1618866951_4070434989(char *block, const uint8_t *d1, const uint8_t *d0,
                                                     const uint8_t *sb, const uint8_t *si);
uint8_t *ieee_p_1367372525_sub_1334159657_4070434989(char *block, const uint8_t *data, const uint8_t *sb,
                                                     const uint8_t *si);
uint8_t *ieee_p_1367372525_sub_1882756997_4070434989(char *block, const uint8_t *data, const uint8_t *sb,
                                                     const uint8_t *si);
uint8_t *ieee_p_1367372525_sub_621502274_4070434989(char *block, const uint8_t *data, const array_bounds *data_b,
                                                    const uint8_t *sb, const array_bounds *sb_b, const uint8_t *si,
                                                    const array_bounds *si_b);
uint8_t *ieee_p_1367372525_sub_2549639725_4070434989(char *block, const uint8_t *data, const array_bounds *data_b,
                                                     const uint8_t *sb, const array_bounds *sb_b, const uint8_t *si,
                                                     const array_bounds *si_b);
// 50 to 53: VitalDECODER2 (DataB, DataI, Enab), VitalDECODER4 and
// VitalDECODER8 (DataB, DataI constrained), VitalDECODER (SchedArray)
uint8_t *ieee_p_1367372525_sub_494902076_4070434989(char *block, array_bounds *result, const uint8_t *data_b,
                                                    const uint8_t *data_i, const uint8_t *enab);
uint8_t *ieee_p_1367372525_sub_1145282600_4070434989(char *block, array_bounds *result, const uint8_t *data_b,
                                                     const uint8_t *data_i, const uint8_t *enab);
uint8_t *ieee_p_1367372525_sub_1271667029_4070434989(char *block, array_bounds *result, const uint8_t *data_b,
                                                     const uint8_t *data_i, const uint8_t *enab);
uint8_t *ieee_p_1367372525_sub_23007260_4070434989(char *block, array_bounds *result, const uint8_t *data_b,
                                                   const array_bounds *data_b_b, const uint8_t *data_i,
                                                   const array_bounds *data_i_b, const uint8_t *enab);

// ---- 54 to 93: function forms -----------------------------------------------
// 54 to 59: VitalAND, VitalOR, VitalXOR, VitalNAND, VitalNOR, VitalXNOR (Data, ResultMap)
uint8_t ieee_p_1367372525_sub_1461733716_4070434989(char *block, const uint8_t *data, const array_bounds *data_b,
                                                    const uint8_t *map);
uint8_t ieee_p_1367372525_sub_2547990466_4070434989(char *block, const uint8_t *data, const array_bounds *data_b,
                                                    const uint8_t *map);
uint8_t ieee_p_1367372525_sub_1489061082_4070434989(char *block, const uint8_t *data, const array_bounds *data_b,
                                                    const uint8_t *map);
uint8_t ieee_p_1367372525_sub_485448482_4070434989(char *block, const uint8_t *data, const array_bounds *data_b,
                                                   const uint8_t *map);
uint8_t ieee_p_1367372525_sub_1477201872_4070434989(char *block, const uint8_t *data, const array_bounds *data_b,
                                                    const uint8_t *map);
uint8_t ieee_p_1367372525_sub_892270568_4070434989(char *block, const uint8_t *data, const array_bounds *data_b,
                                                   const uint8_t *map);
// 60 to 65: AND2, OR2, XOR2, NAND2, NOR2, XNOR2 (a, b, ResultMap)
uint8_t ieee_p_1367372525_sub_3754799872_4070434989(char *block, uint8_t a, uint8_t b, const uint8_t *map);
uint8_t ieee_p_1367372525_sub_946566958_4070434989(char *block, uint8_t a, uint8_t b, const uint8_t *map);
uint8_t ieee_p_1367372525_sub_361635654_4070434989(char *block, uint8_t a, uint8_t b, const uint8_t *map);
uint8_t ieee_p_1367372525_sub_1602158222_4070434989(char *block, uint8_t a, uint8_t b, const uint8_t *map);
uint8_t ieee_p_1367372525_sub_4265249020_4070434989(char *block, uint8_t a, uint8_t b, const uint8_t *map);
uint8_t ieee_p_1367372525_sub_2142385172_4070434989(char *block, uint8_t a, uint8_t b, const uint8_t *map);
// 66 to 71: AND3, OR3, XOR3, NAND3, NOR3, XNOR3 (a, b, c, ResultMap)
uint8_t ieee_p_1367372525_sub_3837731456_4070434989(char *block, uint8_t a, uint8_t b, uint8_t c,
                                                    const uint8_t *map);
uint8_t ieee_p_1367372525_sub_1029498542_4070434989(char *block, uint8_t a, uint8_t b, uint8_t c,
                                                    const uint8_t *map);
uint8_t ieee_p_1367372525_sub_444567238_4070434989(char *block, uint8_t a, uint8_t b, uint8_t c, const uint8_t *map);
uint8_t ieee_p_1367372525_sub_1685089806_4070434989(char *block, uint8_t a, uint8_t b, uint8_t c,
                                                    const uint8_t *map);
uint8_t ieee_p_1367372525_sub_53213308_4070434989(char *block, uint8_t a, uint8_t b, uint8_t c, const uint8_t *map);
uint8_t ieee_p_1367372525_sub_2225316756_4070434989(char *block, uint8_t a, uint8_t b, uint8_t c,
                                                    const uint8_t *map);
// 72 to 77: AND4, OR4, XOR4, NAND4, NOR4, XNOR4 (a, b, c, d, ResultMap)
uint8_t ieee_p_1367372525_sub_3743793398_4070434989(char *block, uint8_t a, uint8_t b, uint8_t c, uint8_t d,
                                                    const uint8_t *map);
uint8_t ieee_p_1367372525_sub_935560484_4070434989(char *block, uint8_t a, uint8_t b, uint8_t c, uint8_t d,
                                                   const uint8_t *map);
uint8_t ieee_p_1367372525_sub_350629180_4070434989(char *block, uint8_t a, uint8_t b, uint8_t c, uint8_t d,
                                                   const uint8_t *map);
uint8_t ieee_p_1367372525_sub_1591151748_4070434989(char *block, uint8_t a, uint8_t b, uint8_t c, uint8_t d,
                                                    const uint8_t *map);
uint8_t ieee_p_1367372525_sub_4254242546_4070434989(char *block, uint8_t a, uint8_t b, uint8_t c, uint8_t d,
                                                    const uint8_t *map);
uint8_t ieee_p_1367372525_sub_2131378698_4070434989(char *block, uint8_t a, uint8_t b, uint8_t c, uint8_t d,
                                                    const uint8_t *map);
// 78 to 84: VitalBUF (Data, 4-byte map), VitalBUFIF0, VitalBUFIF1 (Data,
// Enable, 5-byte map), VitalIDENT (Data, 5-byte map), VitalINV (Data, 4-byte
// map), VitalINVIF0, VitalINVIF1 (Data, Enable, 5-byte map)
uint8_t ieee_p_1367372525_sub_673810994_4070434989(char *block, uint8_t data, const uint8_t *map);
uint8_t ieee_p_1367372525_sub_3976821582_4070434989(char *block, uint8_t data, uint8_t enable, const uint8_t *map);
uint8_t ieee_p_1367372525_sub_3976822671_4070434989(char *block, uint8_t data, uint8_t enable, const uint8_t *map);
uint8_t ieee_p_1367372525_sub_3540507613_4070434989(char *block, uint8_t data, const uint8_t *map);
uint8_t ieee_p_1367372525_sub_681878306_4070434989(char *block, uint8_t data, const uint8_t *map);
uint8_t ieee_p_1367372525_sub_1834036798_4070434989(char *block, uint8_t data, uint8_t enable, const uint8_t *map);
uint8_t ieee_p_1367372525_sub_1834037887_4070434989(char *block, uint8_t data, uint8_t enable, const uint8_t *map);
// 85 to 89: VitalMUX2 (Data1, Data0, dSelect, map), VitalMUX4 (4 data, 2
// selects, map), VitalMUX8 (8, 3, map), VInterMux (Data, dSelect), VitalMUX
// (Data, dSelect, map)
uint8_t ieee_p_1367372525_sub_4116131764_4070434989(char *block, uint8_t data1, uint8_t data0, uint8_t select,
                                                    const uint8_t *map);
uint8_t ieee_p_1367372525_sub_4238378335_4070434989(char *block, const uint8_t *data, const uint8_t *select,
                                                    const uint8_t *map);
uint8_t ieee_p_1367372525_sub_4077464029_4070434989(char *block, const uint8_t *data, const uint8_t *select,
                                                    const uint8_t *map);
uint8_t ieee_p_1367372525_sub_3037427606_4070434989(char *block, const uint8_t *data, const array_bounds *data_b,
                                                    const uint8_t *select, const array_bounds *select_b);
uint8_t ieee_p_1367372525_sub_1379054898_4070434989(char *block, const uint8_t *data, const array_bounds *data_b,
                                                    const uint8_t *select, const array_bounds *select_b,
                                                    const uint8_t *map);
// 90 to 93: VitalDECODER2 (Data, Enable, map) -> 2 bytes, VitalDECODER4 (2
// data) -> 4, VitalDECODER8 (3 data) -> 8, VitalDECODER -> std_logic_vector
uint8_t *ieee_p_1367372525_sub_912567720_4070434989(char *block, uint8_t data, uint8_t enable, const uint8_t *map);
uint8_t *ieee_p_1367372525_sub_1556117169_4070434989(char *block, const uint8_t *data, uint8_t enable,
                                                     const uint8_t *map);
uint8_t *ieee_p_1367372525_sub_890662368_4070434989(char *block, const uint8_t *data, uint8_t enable,
                                                    const uint8_t *map);
uint8_t *ieee_p_1367372525_sub_3733906378_4070434989(char *block, array_bounds *result, const uint8_t *data,
                                                     const array_bounds *data_b, uint8_t enable, const uint8_t *map);

// ---- 94 to 132: concurrent procedures (they never return) -----------------
// 94 to 99: VitalAND, VitalOR, VitalXOR, VitalNAND, VitalNOR, VitalXNOR
// (q; Data; tpd_data_q; ResultMap)
#define TOVU_VITAL_GATE_VECTOR_PARAMS                                                                              \
    char *block, void *process, void *q_sig, uint32_t q_pos, uint32_t q_off, void *q_drv, void *data_sig,           \
        uint32_t data_pos, uint32_t data_off, const array_bounds *data_b, const int64_t *tpd,                       \
        const array_bounds *tpd_b, const uint8_t *map
void ieee_p_1367372525_sub_2153796958_4070434989(TOVU_VITAL_GATE_VECTOR_PARAMS);
void ieee_p_1367372525_sub_3240053708_4070434989(TOVU_VITAL_GATE_VECTOR_PARAMS);
void ieee_p_1367372525_sub_2748926732_4070434989(TOVU_VITAL_GATE_VECTOR_PARAMS);
void ieee_p_1367372525_sub_1177511724_4070434989(TOVU_VITAL_GATE_VECTOR_PARAMS);
void ieee_p_1367372525_sub_2169265114_4070434989(TOVU_VITAL_GATE_VECTOR_PARAMS);
void ieee_p_1367372525_sub_2152136218_4070434989(TOVU_VITAL_GATE_VECTOR_PARAMS);
// 100 to 105: AND2, OR2, NAND2, NOR2, XOR2, XNOR2 (q; a; b; tpd_a_q; tpd_b_q; ResultMap)
#define TOVU_VITAL_GATE2_PARAMS                                                                                    \
    char *block, void *process, void *q_sig, uint32_t q_pos, uint32_t q_off, void *q_drv, void *a_sig,              \
        uint32_t a_pos, uint32_t a_off, void *b_sig, uint32_t b_pos, uint32_t b_off, const int64_t *tpd_a,          \
        const int64_t *tpd_b, const uint8_t *map
void ieee_p_1367372525_sub_814640786_4070434989(TOVU_VITAL_GATE2_PARAMS);
void ieee_p_1367372525_sub_2301375168_4070434989(TOVU_VITAL_GATE2_PARAMS);
void ieee_p_1367372525_sub_2956966432_4070434989(TOVU_VITAL_GATE2_PARAMS);
void ieee_p_1367372525_sub_1325089934_4070434989(TOVU_VITAL_GATE2_PARAMS);
void ieee_p_1367372525_sub_2225474856_4070434989(TOVU_VITAL_GATE2_PARAMS);
void ieee_p_1367372525_sub_4006224374_4070434989(TOVU_VITAL_GATE2_PARAMS);
// 106 to 111: AND3, OR3, NAND3, NOR3, XOR3, XNOR3
#define TOVU_VITAL_GATE3_PARAMS                                                                                    \
    char *block, void *process, void *q_sig, uint32_t q_pos, uint32_t q_off, void *q_drv, void *a_sig,              \
        uint32_t a_pos, uint32_t a_off, void *b_sig, uint32_t b_pos, uint32_t b_off, void *c_sig, uint32_t c_pos,   \
        uint32_t c_off, const int64_t *tpd_a, const int64_t *tpd_b, const int64_t *tpd_c, const uint8_t *map
void ieee_p_1367372525_sub_1174034513_4070434989(TOVU_VITAL_GATE3_PARAMS);
void ieee_p_1367372525_sub_2660768895_4070434989(TOVU_VITAL_GATE3_PARAMS);
void ieee_p_1367372525_sub_3316360159_4070434989(TOVU_VITAL_GATE3_PARAMS);
void ieee_p_1367372525_sub_1684483661_4070434989(TOVU_VITAL_GATE3_PARAMS);
void ieee_p_1367372525_sub_1473559599_4070434989(TOVU_VITAL_GATE3_PARAMS);
void ieee_p_1367372525_sub_3254309117_4070434989(TOVU_VITAL_GATE3_PARAMS);
// 112 to 117: AND4, OR4, NAND4, NOR4, XOR4, XNOR4
#define TOVU_VITAL_GATE4_PARAMS                                                                                    \
    char *block, void *process, void *q_sig, uint32_t q_pos, uint32_t q_off, void *q_drv, void *a_sig,              \
        uint32_t a_pos, uint32_t a_off, void *b_sig, uint32_t b_pos, uint32_t b_off, void *c_sig, uint32_t c_pos,   \
        uint32_t c_off, void *d_sig, uint32_t d_pos, uint32_t d_off, const int64_t *tpd_a, const int64_t *tpd_b,    \
        const int64_t *tpd_c, const int64_t *tpd_d, const uint8_t *map
void ieee_p_1367372525_sub_582011501_4070434989(TOVU_VITAL_GATE4_PARAMS);
void ieee_p_1367372525_sub_2068745883_4070434989(TOVU_VITAL_GATE4_PARAMS);
void ieee_p_1367372525_sub_2724337147_4070434989(TOVU_VITAL_GATE4_PARAMS);
void ieee_p_1367372525_sub_1092460649_4070434989(TOVU_VITAL_GATE4_PARAMS);
void ieee_p_1367372525_sub_2063206243_4070434989(TOVU_VITAL_GATE4_PARAMS);
void ieee_p_1367372525_sub_3843955761_4070434989(TOVU_VITAL_GATE4_PARAMS);
// 118, 122: VitalBUF, VitalINV (q; a; tpd_a_q: VitalDelayType01; 4-byte map)
// 121: VitalIDENT (q; a; tpd_a_q: VitalDelayType01Z; 5-byte map)
#define TOVU_VITAL_BUF_PARAMS                                                                                      \
    char *block, void *process, void *q_sig, uint32_t q_pos, uint32_t q_off, void *q_drv, void *a_sig,              \
        uint32_t a_pos, uint32_t a_off, const int64_t *tpd, const uint8_t *map
void ieee_p_1367372525_sub_1956994121_4070434989(TOVU_VITAL_BUF_PARAMS);
void ieee_p_1367372525_sub_1425513643_4070434989(TOVU_VITAL_BUF_PARAMS);
void ieee_p_1367372525_sub_2809565465_4070434989(TOVU_VITAL_BUF_PARAMS);
// 119, 120, 123, 124: VitalBUFIF1, VitalBUFIF0, VitalINVIF1, VitalINVIF0
// (q; Data; Enable; tpd_data_q: 01; tpd_enable_q: 01Z; 5-byte map)
#define TOVU_VITAL_ENABLE_PARAMS                                                                                   \
    char *block, void *process, void *q_sig, uint32_t q_pos, uint32_t q_off, void *q_drv, void *data_sig,           \
        uint32_t data_pos, uint32_t data_off, void *enable_sig, uint32_t enable_pos, uint32_t enable_off,           \
        const int64_t *tpd_data, const int64_t *tpd_enable, const uint8_t *map
void ieee_p_1367372525_sub_806467043_4070434989(TOVU_VITAL_ENABLE_PARAMS);
void ieee_p_1367372525_sub_1188012972_4070434989(TOVU_VITAL_ENABLE_PARAMS);
void ieee_p_1367372525_sub_3427255122_4070434989(TOVU_VITAL_ENABLE_PARAMS);
void ieee_p_1367372525_sub_3624292364_4070434989(TOVU_VITAL_ENABLE_PARAMS);
// 125: VitalMUX2 (q; d1; d0; dSel; tpd_d1_q; tpd_d0_q; tpd_dsel_q; map)
void ieee_p_1367372525_sub_1423760678_4070434989(char *block, void *process, void *q_sig, uint32_t q_pos,
                                                 uint32_t q_off, void *q_drv, void *d1_sig, uint32_t d1_pos,
                                                 uint32_t d1_off, void *d0_sig, uint32_t d0_pos, uint32_t d0_off,
                                                 void *sel_sig, uint32_t sel_pos, uint32_t sel_off,
                                                 const int64_t *tpd_d1, const int64_t *tpd_d0, const int64_t *tpd_sel,
                                                 const uint8_t *map);
// 126, 127: VitalMUX4, VitalMUX8 (q; Data and dSel constrained; the delay arrays; map)
#define TOVU_VITAL_MUXN_PARAMS                                                                                     \
    char *block, void *process, void *q_sig, uint32_t q_pos, uint32_t q_off, void *q_drv, void *data_sig,           \
        uint32_t data_pos, uint32_t data_off, void *sel_sig, uint32_t sel_pos, uint32_t sel_off,                    \
        const int64_t *tpd_data, const array_bounds *tpd_data_b, const int64_t *tpd_sel,                            \
        const array_bounds *tpd_sel_b, const uint8_t *map
void ieee_p_1367372525_sub_1464975953_4070434989(TOVU_VITAL_MUXN_PARAMS);
void ieee_p_1367372525_sub_1050295276_4070434989(TOVU_VITAL_MUXN_PARAMS);
// 128: VitalMUX (q; Data; dSel; the delay arrays; map)
void ieee_p_1367372525_sub_2471049937_4070434989(char *block, void *process, void *q_sig, uint32_t q_pos,
                                                 uint32_t q_off, void *q_drv, void *data_sig, uint32_t data_pos,
                                                 uint32_t data_off, const array_bounds *data_b, void *sel_sig,
                                                 uint32_t sel_pos, uint32_t sel_off, const array_bounds *sel_b,
                                                 const int64_t *tpd_data, const array_bounds *tpd_data_b,
                                                 const int64_t *tpd_sel, const array_bounds *tpd_sel_b,
                                                 const uint8_t *map);
// 129: VitalDECODER2 (q: std_logic_vector2; Data; Enable; tpd_data_q; tpd_enable_q; map)
void ieee_p_1367372525_sub_2929378169_4070434989(char *block, void *process, void *q_sig, uint32_t q_pos,
                                                 uint32_t q_off, void *q_drv, void *data_sig, uint32_t data_pos,
                                                 uint32_t data_off, void *enable_sig, uint32_t enable_pos,
                                                 uint32_t enable_off, const int64_t *tpd_data,
                                                 const int64_t *tpd_enable, const uint8_t *map);
// 130, 131: VitalDECODER4, VitalDECODER8 (q, Data constrained; Enable;
// tpd_data_q array; tpd_enable_q; map)
#define TOVU_VITAL_DECODERN_PARAMS                                                                                 \
    char *block, void *process, void *q_sig, uint32_t q_pos, uint32_t q_off, void *q_drv, void *data_sig,           \
        uint32_t data_pos, uint32_t data_off, void *enable_sig, uint32_t enable_pos, uint32_t enable_off,           \
        const int64_t *tpd_data, const array_bounds *tpd_data_b, const int64_t *tpd_enable, const uint8_t *map
void ieee_p_1367372525_sub_2884513025_4070434989(TOVU_VITAL_DECODERN_PARAMS);
void ieee_p_1367372525_sub_2321378141_4070434989(TOVU_VITAL_DECODERN_PARAMS);
// 132: VitalDECODER (q; Data; Enable; tpd_data_q array; tpd_enable_q; map)
void ieee_p_1367372525_sub_1093634699_4070434989(char *block, void *process, void *q_sig, uint32_t q_pos,
                                                 uint32_t q_off, void *q_drv, const array_bounds *q_b,
                                                 void *data_sig, uint32_t data_pos, uint32_t data_off,
                                                 const array_bounds *data_b, void *enable_sig, uint32_t enable_pos,
                                                 uint32_t enable_off, const int64_t *tpd_data,
                                                 const array_bounds *tpd_data_b, const int64_t *tpd_enable,
                                                 const uint8_t *map);

// ---- 133 to 140: truth and state tables -------------------------------------
// 133, 134: VitalTruthTable functions (vector result, std_ulogic result)
uint8_t *ieee_p_1367372525_sub_669306805_4070434989(char *block, array_bounds *result, const uint8_t *table,
                                                    const array_bounds *table_b, const uint8_t *data_in,
                                                    const array_bounds *data_in_b);
uint8_t ieee_p_1367372525_sub_3829785817_4070434989(char *block, const uint8_t *table, const array_bounds *table_b,
                                                    const uint8_t *data_in, const array_bounds *data_in_b);
// 135, 136: VitalTruthTable procedures (signal vector, signal std_ulogic)
void ieee_p_1367372525_sub_2718111499_4070434989(char *block, void *process, void *result_sig, uint32_t result_pos,
                                                 uint32_t result_off, void *result_drv,
                                                 const array_bounds *result_b, const uint8_t *table,
                                                 const array_bounds *table_b, void *data_sig, uint32_t data_pos,
                                                 uint32_t data_off, const array_bounds *data_b);
void ieee_p_1367372525_sub_2359968290_4070434989(char *block, void *process, void *result_sig, uint32_t result_pos,
                                                 uint32_t result_off, void *result_drv, const uint8_t *table,
                                                 const array_bounds *table_b, void *data_sig, uint32_t data_pos,
                                                 uint32_t data_off, const array_bounds *data_b);
// 137, 138: VitalStateTable procedures (variable vector, variable std_ulogic)
void ieee_p_1367372525_sub_1289605765_4070434989(char *block, void *process, uint8_t *result,
                                                 const array_bounds *result_b, uint8_t *prev_data_in,
                                                 const array_bounds *prev_data_in_b, const uint8_t *table,
                                                 const array_bounds *table_b, const uint8_t *data_in,
                                                 const array_bounds *data_in_b, int32_t num_states);
void ieee_p_1367372525_sub_1778190455_4070434989(char *block, void *process, uint8_t *result,
                                                 uint8_t *prev_data_in, const array_bounds *prev_data_in_b,
                                                 const uint8_t *table, const array_bounds *table_b,
                                                 const uint8_t *data_in, const array_bounds *data_in_b);
// 139, 140: VitalStateTable procedures (signal vector, signal std_ulogic)
void ieee_p_1367372525_sub_1182304615_4070434989(char *block, void *process, void *result_sig, uint32_t result_pos,
                                                 uint32_t result_off, void *result_drv,
                                                 const array_bounds *result_b, const uint8_t *table,
                                                 const array_bounds *table_b, void *data_sig, uint32_t data_pos,
                                                 uint32_t data_off, const array_bounds *data_b, int32_t num_states);
void ieee_p_1367372525_sub_956644378_4070434989(char *block, void *process, void *result_sig, uint32_t result_pos,
                                                uint32_t result_off, void *result_drv, const uint8_t *table,
                                                const array_bounds *table_b, void *data_sig, uint32_t data_pos,
                                                uint32_t data_off, const array_bounds *data_b);

// ---- 141: the resolve-and-drive entry ---------------------------------------
void ieee_p_1367372525_sub_2576991354_4070434989(char *block, void *process, void *target_sig, int32_t target_pos,
                                                 uint32_t target_off, void *target_drv, void *sources_sig,
                                                 int32_t sources_pos, uint32_t sources_off,
                                                 const array_bounds *sources_b);
}

#endif

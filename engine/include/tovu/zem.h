// The C interface of the simulation kernel libtovuengine: every operation that
// the compiled units call, with the value layouts they share.
#ifndef TOVU_ZEM_H
#define TOVU_ZEM_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

// Left bound, right bound, direction (+1 to, -1 downto), length. The length is
// always direction * (right - left) + 1, so a null range has length 0.
typedef struct array_bounds {
    int32_t left;
    int32_t right;
    int32_t dir;
    int32_t length;
} array_bounds;

typedef int64_t sim_time;  // picoseconds

enum severity_code { SEV_NOTE = 0, SEV_WARNING = 1, SEV_ERROR = 2, SEV_FAILURE = 3 };

// Operand tags of zem_base_array_concat.
enum concat_operand_tag { CONCAT_ARRAY = 'a', CONCAT_ELEMENT = 'c', CONCAT_END = 'e' };

typedef void (*zem_process_fn)(char *block);
typedef uint8_t (*zem_resolution_fn)(char *block, const uint8_t *data, const array_bounds *b);

// ---- start-up and registration ----
void zem_init_design(int argc, char **argv);
void zem_register_info(void *info);
void zem_register_min_prec_unit(int32_t unit);
void zem_register_didat(const char *unit_name, const char *didat_path);
void zem_register_executes(void *pe_table);
void zem_register_subprogram_executes(void *se_table);
void zem_register_resolution_function(int32_t type_number, int32_t k, void *fn, int32_t m);
void zem_register_tops(const char *top_unit_name);
char *zem_get_engine_memory(const char *unit_name);
void zem_register_ieee_std_logic_1164(char *block);
int zem_run_simulation(int argc, char **argv);

// ---- drivers ----
void zem_driver_first_trans_fast(void *driver_record);
void zem_driver_first_trans_fast_port(void *driver_record);
void zem_driver_first_trans_delta(void *driver_record, uint32_t position, uint32_t count, int64_t delay);
void zem_driver_subsequent_trans_delta(void *driver_record, uint32_t position, uint32_t count, int64_t delay);
void zem_driver_intertial_reject(void *driver_record, int64_t reject, int64_t delay);

// ---- signal queries ----
uint8_t zem_signal_has_event(void *signal_record);
const uint8_t *zem_signal_last_value(void *signal_record);
int64_t zem_signal_get_last_event(void *signal_record);

// ---- waits and time ----
void zem_process_wait(void *process_record, int64_t delay);
int64_t zem_get_sim_current_time(void);

// ---- reports and line tracking ----
void zem_report(const char *message, uint32_t length, int32_t severity);
void zem_set_current_line(int32_t line, const char *path);

// ---- checks (a failing check never returns) ----
void zem_vhdl_check_range_of_index(int32_t left, int32_t right, int32_t dir, int32_t index);
void zem_vhdl_check_range_of_slice(int32_t left, int32_t right, int32_t dir, int32_t slice_left, int32_t slice_right,
                                   int32_t slice_dir);
void zem_size_not_matching(int32_t expected, int32_t actual, int32_t dim);

// ---- memory ----
void *zem_get_transient_memory(uint32_t nbytes);
void *zem_get_memory(uint32_t nbytes);
void zem_put_memory(uint32_t nbytes, void *buffer);

// ---- types and composite values ----
void zem_type_set_default_value(void *type_descriptor, void *storage, const array_bounds *bounds);
void zem_create_subtype(void *storage, const char *name, void *base_type, const array_bounds *bounds, int32_t kind);
void zem_delete_type(void *storage, int32_t kind);
void zem_create_unconstr_array_type(void *storage, const char *name, void *element_type, int32_t dims,
                                    void *index_type);
void *zem_base_array_concat(void *unused, array_bounds *out, void *result_type, ...);

// ---- arithmetic and comparison helpers ----
int32_t zem_vhdl_pow(int32_t base, int32_t exponent);
int32_t zem_vhdl_mod(int32_t a, int32_t b);
double zem_vhdl_pow_double(double base, int32_t exponent);
int32_t zem_mem_cmp(const void *a, const void *b, uint32_t n);
void zem_mem_set_int64(void *destination, int64_t value, int32_t count);
uint8_t zem_vhdl_lessthan(void *type_descriptor, const uint8_t *l, int32_t l_length, const uint8_t *r,
                          int32_t r_length);
uint8_t zem_vhdl_lessthanEqual(void *type_descriptor, const uint8_t *l, int32_t l_length, const uint8_t *r,
                               int32_t r_length);

#ifdef __cplusplus
}
#endif

#endif

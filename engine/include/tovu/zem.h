// The C interface of the simulation kernel libtovuengine: every operation that
// the compiled units call, with the value layouts they share.
#ifndef TOVU_ZEM_H
#define TOVU_ZEM_H

#include <stdint.h>

// The kernel library exports exactly what its public headers declare.
#pragma GCC visibility push(default)

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
// Waiting inside a subprogram: the signals of the wait, the wait point of the
// process record (+0xE0), and the switch back to the kernel.
void zem_add_dynamic_wait(void *process_record, void *signal_record, uint32_t position, uint32_t count);
void zem_remove_dynamic_wait(void *process_record, void *signal_record);
void zem_wp_set_status(void *wait_point, int32_t status);
void zem_saveStackAndSuspend(void *process_record);
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

// ==== access values and std.textio ====
// An access variable is a 72-byte object laid out by the caller: +40 the
// access value (0 for null), +48 0, +56 the access type's descriptor, +64 1;
// the first 40 bytes are the kernel's. zem_access_variable_all returns the
// designated object: +56 the pointer to its data, +64 the pointer to its
// array_bounds (for a LINE, the string 1 to n).
void *zem_access_variable_all(void *access_variable);
void zem_access_variable_deallocate(void *access_variable);  // DEALLOCATE: the value becomes null
void zem_access_variable_delete(void *access_variable);      // end of the variable; releases what it designates
void zem_access_variable_set_value(void *access_variable, void *object);
// An allocator: a new object of the designated type (bounds for an
// unconstrained array), every element at its type's default value.
void *zem_variable_create(const char *name, void *designated_type, const array_bounds *bounds, int32_t, int32_t,
                          int32_t);
array_bounds *zem_get_constraints_memory(int32_t count);  // count bounds records, alive until the kernel resets
void zem_variable_act(void *array_data);

// std.textio WRITE(L, VALUE, JUSTIFIED, FIELD[, DIGITS | UNIT]) and READ(L, VALUE).
// Each takes the STD_TEXTIO block, the caller context (a process_record or 0)
// and the LINE. JUSTIFIED: 0 RIGHT, 1 LEFT. Enumeration and CHARACTER values
// are read from the low byte.
void std_textio_write3(char *textio, void *context, void *line, int32_t value, int32_t justified, int32_t field);
void std_textio_write4(char *textio, void *context, void *line, int32_t value, int32_t justified, int32_t field);
void std_textio_write5(char *textio, void *context, void *line, int32_t value, int32_t justified, int32_t field);
void std_textio_write6(char *textio, void *context, void *line, double value, int32_t justified, int32_t field,
                       int32_t digits);
void std_textio_write7(char *textio, void *context, void *line, const char *data, const array_bounds *bounds,
                       int32_t justified, int32_t field);
void std_textio_write8(char *textio, void *context, void *line, int64_t value, int32_t justified, int32_t field,
                       int64_t unit);
void std_textio_read8(char *textio, void *context, void *line, char *target);
void std_textio_read12(char *textio, void *context, void *line, double *target);
// ==== end of access values and std.textio ====

#ifdef __cplusplus
}
#endif

#pragma GCC visibility pop

#endif

// Quarn: lateral analysis of a single pile or drilled shaft by the p-y method.
//
// The public interface of libquarn: one entry point. A front end writes the
// input data file and NAMES.DAT (four lines: the paths of the input file, the
// output report, the plot output file and the run-message file) into the
// current working directory, calls LGO(6031) once, and reads the three output
// files when it returns. One call is one complete run on the caller's thread;
// a second call must not start before the first has returned.
#ifndef QUARN_LGO_H
#define QUARN_LGO_H

#include <stdint.h>

#if defined(_WIN32)
#define QUARN_CALL __stdcall
#if defined(QUARN_BUILDING_LIBRARY)
#define QUARN_EXPORT __declspec(dllexport)
#else
#define QUARN_EXPORT __declspec(dllimport)
#endif
#else
#define QUARN_CALL
#define QUARN_EXPORT __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* The only interface version this engine accepts. */
#define QUARN_INTERFACE_VERSION 6031

/* Return values of LGO:
 *    99          the argument was not 6031; nothing was read, written or opened
 *     0          the run ended normally without warnings
 *   < 0          the run ended normally with warnings: the warning code when one
 *                distinct warning code occurred, -300 when several did
 *   101 .. 199   the run stopped on input-data error (value - 100)
 *   201 .. 299   the run stopped on runtime error (value - 200); among them
 *                202 .. 206  NAMES.DAT missing or one of its four lines unreadable
 *                207         the input data file cannot be opened for reading
 *                208         an output file cannot be created or written
 *                217         a path in NAMES.DAT is empty
 *                239         internal failure (out of memory or a broken invariant)
 *                240         the input asks for an analysis this version does not provide
 *   999          internal error of the soil-property lookup
 */
QUARN_EXPORT int32_t QUARN_CALL LGO(int32_t version);

#ifdef __cplusplus
}
#endif

#endif /* QUARN_LGO_H */

#pragma once
// How a procedure ended.
namespace mivo {

// Completed when it reached its completion message (or, for a query, the result), Declined on
// No to its question, Interrupted by Cancel between items, Failed on an error, an empty reply
// or refused input.
enum class Outcome { Completed, Declined, Interrupted, Failed };

}  // namespace mivo

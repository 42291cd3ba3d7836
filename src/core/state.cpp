// Storage for the game's tables; what each value means is told in state.h.
#include "core/state.h"

#include <type_traits>

// The definitions, one per line of the table list.
#define HOOF_TABLE(type, name, dims, dump) type name dims;
#include "core/state.h"

namespace {

template <typename T>
void Clear(T& table) {
    if constexpr (std::is_array_v<T>) {
        for (auto& element : table) Clear(element);
    } else {
        table = T{};
    }
}

}  // namespace

void ClearAllTables() {
#define HOOF_TABLE(type, name, dims, dump) Clear(name);
#include "core/state.h"
}

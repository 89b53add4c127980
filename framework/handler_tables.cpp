// The message and command tables of a window record: ascending keys with
// parallel routines, growing by a fixed rule.
#include "framework/framework.h"

namespace velmora {
namespace {

constexpr int32_t kInitialCapacity = 10;
constexpr int32_t kGrowth = 10;

// Reallocates both columns of a table to `capacity` entries, keeping the
// first `keep` of each. False (and nothing changed) without memory.
template <class Routine>
bool Reallocate(TableColumn<int32_t>& keys, TableColumn<Routine>& routines, int32_t& capacity,
                int32_t newCapacity, int32_t keep) {
    int32_t* freshKeys = AllocateTable<int32_t>(newCapacity);
    Routine* freshRoutines = AllocateTable<Routine>(newCapacity);
    if (freshKeys == nullptr || freshRoutines == nullptr) {
        FreeTable(freshKeys);
        FreeTable(freshRoutines);
        return false;
    }
    for (int32_t i = 0; i < keep && i < newCapacity; ++i) {
        freshKeys[i] = keys.data[i];
        freshRoutines[i] = routines.data[i];
    }
    FreeTable(keys.data);
    FreeTable(routines.data);
    keys.data = freshKeys;
    routines.data = freshRoutines;
    capacity = newCapacity;
    return true;
}

// Enters or replaces `routine` under `key` in a table of ascending keys.
// False when the table cannot grow.
template <class Routine>
bool EnterSorted(TableColumn<int32_t>& keys, TableColumn<Routine>& routines, int32_t& capacity,
                 int32_t& count, int32_t key, const Routine& routine) {
    if (count == 0 && !Reallocate(keys, routines, capacity, kInitialCapacity, 0)) return false;
    int32_t position = count + 1;
    for (int32_t i = 1; i <= count; ++i) {
        if (keys(i) == key) {
            routines(i) = routine;
            return true;
        }
        if (keys(i) > key) {
            position = i;
            break;
        }
    }
    if (count + 1 > capacity && !Reallocate(keys, routines, capacity, count + 1 + kGrowth, count))
        return false;
    ++count;
    for (int32_t i = count; i > position; --i) {
        keys(i) = keys(i - 1);
        routines(i) = routines(i - 1);
    }
    keys(position) = key;
    routines(position) = routine;
    return true;
}

bool SearchSorted(const TableColumn<int32_t>& keys, int32_t count, int32_t key,
                  int32_t& position) {
    int32_t low = 1;
    int32_t high = count;
    while (low <= high) {
        const int32_t middle = low + (high - low) / 2;
        if (keys(middle) == key) {
            position = middle;
            return true;
        }
        if (keys(middle) < key) {
            low = middle + 1;
        } else {
            high = middle - 1;
        }
    }
    return false;
}

}  // namespace

void FreeHandlerTables(V_WINDOW& window) {
    FreeTable(window.msgKeys.data);
    FreeTable(window.msgRoutines.data);
    FreeTable(window.cmdKeys.data);
    FreeTable(window.cmdRoutines.data);
    window.msgCapacity = 0;
    window.cmdCapacity = 0;
}

bool VSetHandler(V_WINDOW& window, UINT message, MessageHandler handler) {
    if (window.defProc == DEFPROC_NONE) return false;
    return EnterSorted(window.msgKeys, window.msgRoutines, window.msgCapacity,
                       window.nMsgHandlers, static_cast<int32_t>(message), handler);
}

bool VSetCommand(V_WINDOW& window, int32_t id, CommandRoutine routine) {
    if (window.defProc == DEFPROC_NONE) return false;
    return EnterSorted(window.cmdKeys, window.cmdRoutines, window.cmdCapacity,
                       window.nCmdHandlers, id, routine);
}

bool FindMessageHandler(const V_WINDOW& window, UINT message, int32_t& position) {
    return SearchSorted(window.msgKeys, window.nMsgHandlers, static_cast<int32_t>(message),
                        position);
}

bool FindCommandHandler(const V_WINDOW& window, int32_t id, int32_t& position) {
    return SearchSorted(window.cmdKeys, window.nCmdHandlers, id, position);
}

}  // namespace velmora

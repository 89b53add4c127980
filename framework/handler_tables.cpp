// The message and command tables of a window record: ascending keys with
// parallel routines, growing by a fixed rule.
#include "framework/framework.h"

namespace velmora {
namespace {

constexpr int32_t kInitialCapacity = 10;
constexpr int32_t kGrowth = 10;

// Enters or replaces `routine` under `key` in a table of ascending keys.
template <class Routine>
void EnterSorted(HandlerArray<int32_t>& keys, HandlerArray<Routine>& routines, int32_t& count,
                 int32_t key, const Routine& routine) {
    if (count == 0) {
        keys.reallocate(kInitialCapacity, 0);
        routines.reallocate(kInitialCapacity, 0);
    }
    int32_t position = count + 1;
    for (int32_t i = 1; i <= count; ++i) {
        if (keys(i) == key) {
            routines(i) = routine;
            return;
        }
        if (keys(i) > key) {
            position = i;
            break;
        }
    }
    ++count;
    if (count > keys.capacity()) {
        keys.reallocate(count + kGrowth, count - 1);
        routines.reallocate(count + kGrowth, count - 1);
    }
    for (int32_t i = count; i > position; --i) {
        keys(i) = keys(i - 1);
        routines(i) = routines(i - 1);
    }
    keys(position) = key;
    routines(position) = routine;
}

bool SearchSorted(const HandlerArray<int32_t>& keys, int32_t count, int32_t key,
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

bool VSetHandler(V_WINDOW& window, UINT message, MessageHandler handler) {
    if (window.defProc == DEFPROC_NONE) return false;
    EnterSorted(window.msgKeys, window.msgRoutines, window.nMsgHandlers,
                static_cast<int32_t>(message), handler);
    return true;
}

bool VSetCommand(V_WINDOW& window, int32_t id, CommandRoutine routine) {
    if (window.defProc == DEFPROC_NONE) return false;
    EnterSorted(window.cmdKeys, window.cmdRoutines, window.nCmdHandlers, id, routine);
    return true;
}

bool FindMessageHandler(const V_WINDOW& window, UINT message, int32_t& position) {
    return SearchSorted(window.msgKeys, window.nMsgHandlers, static_cast<int32_t>(message),
                        position);
}

bool FindCommandHandler(const V_WINDOW& window, int32_t id, int32_t& position) {
    return SearchSorted(window.cmdKeys, window.nCmdHandlers, id, position);
}

}  // namespace velmora

#include "framework/CCmdTarget.h"

const MessageMap* CCmdTarget::GetThisMessageMap() {
    static const MessageMapEntry entries[] = {{0, 0, 0, nullptr}};
    static const MessageMap map = {nullptr, entries};
    return &map;
}

const MessageMap* CCmdTarget::GetMessageMap() const {
    return GetThisMessageMap();
}

const MessageMapEntry* CCmdTarget::FindMessageEntry(UINT message, UINT id, UINT code) const {
    for (const MessageMap* map = GetMessageMap(); map != nullptr;
         map = map->base != nullptr ? map->base() : nullptr) {
        for (const MessageMapEntry* entry = map->entries; entry->thunk != nullptr; ++entry) {
            if (entry->message != message) {
                continue;
            }
            if (message != WM_COMMAND || (entry->id == id && entry->code == code)) {
                return entry;
            }
        }
    }
    return nullptr;
}

bool CCmdTarget::OnCmdMsg(UINT id, UINT code) {
    const MessageMapEntry* entry = FindMessageEntry(WM_COMMAND, id, code);
    if (entry == nullptr) {
        return false;
    }
    entry->thunk(*this, MAKEWPARAM(id, code), 0);
    return true;
}

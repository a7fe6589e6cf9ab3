#include "message_map.h"

#include "gdi.h"

#include <windowsx.h>

const MessageMap* CCmdTarget::GetMessageMap() const {
    static const MessageMap map{nullptr, nullptr, 0};
    return &map;
}

const MessageMapEntry* CCmdTarget::FindEntry(UINT message, UINT code, UINT id) const {
    for (const MessageMap* map = GetMessageMap(); map != nullptr; map = map->base)
        for (std::size_t i = 0; i < map->count; ++i) {
            const MessageMapEntry& entry = map->entries[i];
            if (entry.message == message && entry.code == code && entry.id == id)
                return &entry;
        }
    return nullptr;
}

LRESULT CCmdTarget::CallHandler(const MessageMapEntry& entry, WPARAM wParam, LPARAM lParam) {
    struct Caller {
        CCmdTarget* target;
        WPARAM wParam;
        LPARAM lParam;
        LRESULT operator()(PlainHandler h) const {
            (target->*h)();
            return 0;
        }
        LRESULT operator()(SysCommandHandler h) const {
            (target->*h)(static_cast<UINT>(wParam), lParam);
            return 0;
        }
        LRESULT operator()(CursorHandler h) const {
            return reinterpret_cast<LRESULT>((target->*h)());
        }
        LRESULT operator()(EraseHandler h) const {
            CDC dc(reinterpret_cast<HDC>(wParam));
            return (target->*h)(&dc);
        }
        LRESULT operator()(MouseHandler h) const {
            (target->*h)(static_cast<UINT>(wParam),
                         POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            return 0;
        }
        LRESULT operator()(HelpHandler h) const {
            return (target->*h)(reinterpret_cast<HELPINFO*>(lParam));
        }
    };
    return std::visit(Caller{this, wParam, lParam}, entry.handler);
}

#include "dialog_template.h"

namespace {
class Reader {
  public:
    explicit Reader(const BYTE* at) : m_at(at) {}
    template <class T> T Take() {
        T value;
        memcpy(&value, m_at, sizeof value);
        m_at += sizeof value;
        return value;
    }
    // A string of UTF-16 units, given back in the ANSI code page.
    std::string String() {
        const auto* text = reinterpret_cast<const wchar_t*>(m_at);
        const int length = static_cast<int>(wcslen(text));
        m_at += (length + 1) * 2;
        char narrow[512] = "";
        WideCharToMultiByte(CP_ACP, 0, text, length, narrow, sizeof narrow - 1, nullptr, nullptr);
        return narrow;
    }
    // A string, or 0xFFFF and an ordinal.
    std::string StringOrOrdinal(WORD& ordinal) {
        ordinal = 0;
        if (*reinterpret_cast<const WORD*>(m_at) == 0xFFFF) {
            m_at += 2;
            ordinal = Take<WORD>();
            return {};
        }
        return String();
    }
    void AlignToDword(const BYTE* base) {
        while ((m_at - base) % 4 != 0)
            ++m_at;
    }
    void Skip(std::size_t bytes) { m_at += bytes; }

  private:
    const BYTE* m_at;
};

std::string PredefinedClass(WORD ordinal) {
    switch (ordinal) {
    case 0x0080:
        return "Button";
    case 0x0081:
        return "Edit";
    case 0x0082:
        return "Static";
    default:
        return std::to_string(ordinal);
    }
}
} // namespace

bool LoadDialogTemplate(WORD id, DialogTemplate& t) {
    const HMODULE module = GetModuleHandleA(nullptr);
    const HRSRC found =
        FindResourceExA(module, MAKEINTRESOURCEA(5) /* RT_DIALOG */, MAKEINTRESOURCEA(id),
                        MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT));
    if (found == nullptr)
        return false;
    const auto* base = static_cast<const BYTE*>(LockResource(LoadResource(module, found)));
    Reader r(base);
    if (r.Take<WORD>() != 1 || r.Take<WORD>() != 0xFFFF)
        return false;
    r.Take<DWORD>(); // help id
    t.exStyle = r.Take<DWORD>();
    t.style = r.Take<DWORD>();
    const WORD count = r.Take<WORD>();
    t.x = r.Take<short>();
    t.y = r.Take<short>();
    t.cx = r.Take<short>();
    t.cy = r.Take<short>();
    WORD ordinal;
    r.StringOrOrdinal(t.menu);
    r.StringOrOrdinal(ordinal); // window class
    t.caption = r.String();
    t.pointSize = r.Take<WORD>();
    t.weight = r.Take<WORD>();
    t.italic = r.Take<BYTE>();
    t.charset = r.Take<BYTE>();
    t.face = r.String();
    for (WORD i = 0; i < count; ++i) {
        r.AlignToDword(base);
        TemplateItem item;
        r.Take<DWORD>(); // help id
        item.exStyle = r.Take<DWORD>();
        item.style = r.Take<DWORD>();
        item.x = r.Take<short>();
        item.y = r.Take<short>();
        item.cx = r.Take<short>();
        item.cy = r.Take<short>();
        item.id = r.Take<DWORD>();
        item.className = r.StringOrOrdinal(ordinal);
        if (ordinal != 0)
            item.className = PredefinedClass(ordinal);
        item.text = r.StringOrOrdinal(ordinal);
        r.Skip(r.Take<WORD>());
        t.items.push_back(item);
    }
    return true;
}

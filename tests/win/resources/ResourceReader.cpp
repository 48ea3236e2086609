#include "ResourceReader.h"

#include <cstring>

namespace {

// The wide forms of RT_STRING and RT_DIALOG, which follow UNICODE in the headers.
const LPCWSTR kStringType = MAKEINTRESOURCEW(6);
const LPCWSTR kDialogType = MAKEINTRESOURCEW(5);

struct Blob {
    const BYTE* data = nullptr;
    std::size_t size = 0;
};

std::optional<Blob> Find(HMODULE module, LPCWSTR type, LPCWSTR name, std::optional<LANGID> lang) {
    HRSRC info =
        lang ? FindResourceExW(module, type, name, *lang) : FindResourceW(module, name, type);
    if (info == nullptr) {
        return std::nullopt;
    }
    HGLOBAL handle = LoadResource(module, info);
    const void* data = handle ? LockResource(handle) : nullptr;
    if (data == nullptr) {
        return std::nullopt;
    }
    return Blob{static_cast<const BYTE*>(data), SizeofResource(module, info)};
}

// A cursor over a resource; any read past the end marks it failed and yields zeros.
class Cursor {
public:
    explicit Cursor(Blob blob) : m_blob(blob) {}

    bool ok() const { return m_ok; }

    template <typename T> T Read() {
        T value{};
        if (!m_ok || m_blob.size - m_pos < sizeof(T)) {
            m_ok = false;
            return value;
        }
        std::memcpy(&value, m_blob.data + m_pos, sizeof(T));
        m_pos += sizeof(T);
        return value;
    }

    std::wstring ReadText() {
        std::wstring text;
        for (WCHAR c = Read<WCHAR>(); m_ok && c != 0; c = Read<WCHAR>()) {
            text.push_back(c);
        }
        return text;
    }

    // A name or an ordinal (0xFFFF followed by the number); returns the ordinal or 0.
    WORD ReadNameOrOrdinal(std::wstring& name) {
        std::size_t start = m_pos;
        WORD first = Read<WORD>();
        if (first == 0xFFFF) {
            return Read<WORD>();
        }
        m_pos = start;
        name = ReadText();
        return 0;
    }

    void Skip(std::size_t bytes) {
        if (m_blob.size - m_pos < bytes) {
            m_ok = false;
            return;
        }
        m_pos += bytes;
    }

    void AlignToDword() { Skip((4 - m_pos % 4) % 4); }

private:
    Blob m_blob;
    std::size_t m_pos = 0;
    bool m_ok = true;
};

ResourceReader::DialogItem ReadItem(Cursor& in) {
    ResourceReader::DialogItem item;
    in.AlignToDword();
    item.helpId = in.Read<DWORD>();
    item.exStyle = in.Read<DWORD>();
    item.style = in.Read<DWORD>();
    item.x = in.Read<short>();
    item.y = in.Read<short>();
    item.cx = in.Read<short>();
    item.cy = in.Read<short>();
    item.id = in.Read<DWORD>();
    item.classOrdinal = in.ReadNameOrOrdinal(item.className);
    if (WORD ordinal = in.ReadNameOrOrdinal(item.text); ordinal != 0) {
        item.text = L"#" + std::to_wstring(ordinal);
    }
    item.extraBytes = in.Read<WORD>();
    in.Skip(item.extraBytes);
    return item;
}

} // namespace

std::optional<std::wstring> ResourceReader::String(UINT id, LANGID language) const {
    // Strings live in blocks of sixteen; block n holds ids 16(n-1) to 16(n-1)+15, each entry a
    // length-prefixed UTF-16 text.
    auto blob = Find(m_module, kStringType, MAKEINTRESOURCEW(id / 16 + 1), language);
    if (!blob) {
        return std::nullopt;
    }
    Cursor in(*blob);
    for (UINT index = 0; index < id % 16; ++index) {
        in.Skip(in.Read<WORD>() * sizeof(WCHAR));
    }
    WORD length = in.Read<WORD>();
    std::wstring text;
    for (WORD i = 0; i < length; ++i) {
        text.push_back(in.Read<WCHAR>());
    }
    if (!in.ok() || length == 0) {
        return std::nullopt;
    }
    return text;
}

std::optional<ResourceReader::DialogTemplate> ResourceReader::Dialog(UINT id) const {
    auto blob = Find(m_module, kDialogType, MAKEINTRESOURCEW(id), std::nullopt);
    if (!blob) {
        return std::nullopt;
    }
    Cursor in(*blob);
    DialogTemplate dialog;
    dialog.version = in.Read<WORD>();
    dialog.signature = in.Read<WORD>();
    if (dialog.version != 1 || dialog.signature != 0xFFFF) {
        return std::nullopt; // not an extended template
    }
    dialog.helpId = in.Read<DWORD>();
    dialog.exStyle = in.Read<DWORD>();
    dialog.style = in.Read<DWORD>();
    WORD count = in.Read<WORD>();
    dialog.x = in.Read<short>();
    dialog.y = in.Read<short>();
    dialog.cx = in.Read<short>();
    dialog.cy = in.Read<short>();
    std::wstring name;
    dialog.hasMenu = in.ReadNameOrOrdinal(name) != 0 || !name.empty();
    name.clear();
    dialog.hasClass = in.ReadNameOrOrdinal(name) != 0 || !name.empty();
    dialog.title = in.ReadText();
    if (dialog.style & DS_SETFONT) {
        dialog.pointSize = in.Read<WORD>();
        dialog.weight = in.Read<WORD>();
        dialog.italic = in.Read<BYTE>();
        dialog.charset = in.Read<BYTE>();
        dialog.typeface = in.ReadText();
    }
    for (WORD i = 0; i < count && in.ok(); ++i) {
        dialog.items.push_back(ReadItem(in));
    }
    if (!in.ok()) {
        return std::nullopt;
    }
    return dialog;
}

#include "app/TextHelpers.h"

#include "app/ProductIdentity.h"
#include "app/ResourceIds.h"

#include <utility>

bool LoadText(TextPort& texts, std::uint32_t id, std::u16string& out) {
    out.clear();
    if (!texts.Load(id, out)) {
        out.clear();
        return false;
    }
    return true;
}

int ReplacePlaceholder(std::u16string& text, std::u16string_view placeholder,
                       std::u16string_view value) {
    if (placeholder.empty()) {
        return 0;
    }
    const std::u16string_view source(text);
    std::u16string result;
    int count = 0;
    std::size_t from = 0;
    for (std::size_t at = source.find(placeholder); at != std::u16string_view::npos;
         at = source.find(placeholder, from)) {
        result.append(source.substr(from, at - from));
        result.append(value);
        from = at + placeholder.size();
        ++count;
    }
    if (count > 0) {
        result.append(source.substr(from));
        text = std::move(result);
    }
    return count;
}

std::u16string ModelTitle(TextPort& texts) {
    std::u16string title;
    if (LoadText(texts, IDS_STR_TITLE, title)) {
        ReplacePlaceholder(title, kModelPlaceholder, kModelName);
    }
    return title;
}

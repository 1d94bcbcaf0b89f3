// Reading an MDX file: its header, its tag table and the keys of one tag.
#include "tables/mdx_file.h"

#include "tables/byte_order.h"
#include "tables/mdx_layout.h"
#include "tables/table_error.h"
#include "tables/user_text.h"

#include <algorithm>
#include <cstring>

namespace tv::tables {
using namespace mdx_detail;

namespace {

// What the file header says about the whole file, checked against its size.
struct FileGeometry {
    int version = 0;
    SlotLayout slots;
    std::size_t blockBytes = 0;
    std::uint32_t firstNodePage = 0; // first page after the tag table
    int tagCount = 0;
};

FileGeometry ReadFileGeometry(std::span<const std::uint8_t> file, std::string_view fileName) {
    if (file.size() < kPageBytes)
        ThrowIndexError(TV_TEXT("Tablas", "El índice '%1' está dañado: mide %2 bytes, menos que su cabecera"),
                        {fileName, std::to_string(file.size())});
    FileGeometry geometry;
    geometry.version = file[0];
    if (geometry.version != 2 && geometry.version != 3)
        ThrowIndexError(TV_TEXT("Tablas", "El índice '%1' está dañado: versión %2 desconocida"),
                        {fileName, std::to_string(geometry.version)});

    const std::size_t pagesPerBlock = ReadLe16(file.data() + 20);
    geometry.blockBytes = ReadLe16(file.data() + 22);
    if (pagesPerBlock < 2 || pagesPerBlock > 32 || geometry.blockBytes != pagesPerBlock * kPageBytes)
        ThrowIndexError(TV_TEXT("Tablas", "El índice '%1' está dañado: tamaño de bloque no válido (%2)"),
                        {fileName, std::to_string(geometry.blockBytes)});

    geometry.slots = SlotLayoutFor(geometry.version);
    geometry.slots.slotBytes = file[26];
    if (geometry.slots.slotBytes < geometry.slots.MinSlotBytes())
        ThrowIndexError(
            TV_TEXT("Tablas", "El índice '%1' está dañado: la tabla de etiquetas tiene entradas de %2 bytes"),
            {fileName, std::to_string(geometry.slots.slotBytes)});
    const std::size_t tagTableEnd = SlotOffset(geometry.slots, kTagSlots);
    geometry.firstNodePage = static_cast<std::uint32_t>(RoundUp(tagTableEnd, kPageBytes) / kPageBytes);
    if (file.size() < tagTableEnd)
        ThrowIndexError(
            TV_TEXT("Tablas",
                    "El índice '%1' está dañado: el archivo termina dentro de la tabla de etiquetas"),
            {fileName});

    geometry.tagCount = ReadLe16(file.data() + 28);
    if (geometry.tagCount > kMaxTags)
        ThrowIndexError(TV_TEXT("Tablas", "El índice '%1' está dañado: dice tener %2 etiquetas (máximo 47)"),
                        {fileName, std::to_string(geometry.tagCount)});

    const std::uint64_t declaredPages = ReadLe32(file.data() + 32);
    if (declaredPages * kPageBytes > file.size())
        ThrowIndexError(
            TV_TEXT(
                "Tablas",
                "El índice '%1' está dañado: está truncado: la cabecera indica %2 páginas y el archivo mide %3 bytes"),
            {fileName, std::to_string(declaredPages), std::to_string(file.size())});
    return geometry;
}

// What points to a block, for the error that names it.
enum class PageOwner { TagHeader, TagRoot, TagTree };

// A tag header or B-tree node: a whole block past the tag table, inside the file.
void CheckBlockPage(std::span<const std::uint8_t> file, const FileGeometry& geometry, std::uint32_t page,
                    std::string_view fileName, PageOwner owner, std::string_view tagName) {
    const std::string number = std::to_string(page);
    if (page < geometry.firstNodePage) {
        switch (owner) {
        case PageOwner::TagHeader:
            ThrowIndexError(
                TV_TEXT(
                    "Tablas",
                    "El índice '%1' está dañado: la etiqueta '%2' apunta a la página %3, dentro de la tabla de etiquetas"),
                {fileName, tagName, number});
        case PageOwner::TagRoot:
            ThrowIndexError(
                TV_TEXT(
                    "Tablas",
                    "El índice '%1' está dañado: la raíz de la etiqueta '%2' apunta a la página %3, dentro de la tabla de etiquetas"),
                {fileName, tagName, number});
        case PageOwner::TagTree:
            ThrowIndexError(
                TV_TEXT(
                    "Tablas",
                    "El índice '%1' está dañado: el árbol de la etiqueta '%2' apunta a la página %3, dentro de la tabla de etiquetas"),
                {fileName, tagName, number});
        }
    }
    if (static_cast<std::uint64_t>(page) * kPageBytes + geometry.blockBytes > file.size()) {
        switch (owner) {
        case PageOwner::TagHeader:
            ThrowIndexError(
                TV_TEXT(
                    "Tablas",
                    "El índice '%1' está dañado: la etiqueta '%2' apunta a la página %3, fuera del archivo"),
                {fileName, tagName, number});
        case PageOwner::TagRoot:
            ThrowIndexError(
                TV_TEXT(
                    "Tablas",
                    "El índice '%1' está dañado: la raíz de la etiqueta '%2' apunta a la página %3, fuera del archivo"),
                {fileName, tagName, number});
        case PageOwner::TagTree:
            ThrowIndexError(
                TV_TEXT(
                    "Tablas",
                    "El índice '%1' está dañado: el árbol de la etiqueta '%2' apunta a la página %3, fuera del archivo"),
                {fileName, tagName, number});
        }
    }
}

// The tag-header values that the tree walk depends on.
struct TagGeometry {
    std::uint32_t root = 0;
    std::size_t keyLength = 0;
    std::size_t itemLength = 0;
    std::size_t maxKeysPerNode = 0; // what fits in a block, whatever the header claims
};

TagGeometry ReadTagGeometry(std::span<const std::uint8_t> file, const FileGeometry& geometry,
                            const MdxTag& tag, std::string_view fileName) {
    CheckBlockPage(file, geometry, tag.headerPage, fileName, PageOwner::TagHeader, tag.name);
    const std::size_t at = static_cast<std::size_t>(tag.headerPage) * kPageBytes;

    TagGeometry tagGeometry;
    tagGeometry.keyLength = ReadLe16(file.data() + at + 12);
    tagGeometry.itemLength = ReadLe16(file.data() + at + 18);
    if (tagGeometry.keyLength == 0 || tagGeometry.itemLength < tagGeometry.keyLength + 4 ||
        tagGeometry.itemLength + kNodeOverhead > geometry.blockBytes)
        ThrowIndexError(
            TV_TEXT(
                "Tablas",
                "El índice '%1' está dañado: la etiqueta '%2' tiene claves de %3 bytes en entradas de %4"),
            {fileName, tag.name, std::to_string(tagGeometry.keyLength),
             std::to_string(tagGeometry.itemLength)});
    tagGeometry.maxKeysPerNode = (geometry.blockBytes - kNodeOverhead) / tagGeometry.itemLength;

    tagGeometry.root = ReadLe32(file.data() + at);
    CheckBlockPage(file, geometry, tagGeometry.root, fileName, PageOwner::TagRoot, tag.name);
    return tagGeometry;
}

MdxTag ReadTag(std::span<const std::uint8_t> file, const FileGeometry& geometry, int tagNumber,
               std::string_view fileName) {
    const std::size_t slot = SlotOffset(geometry.slots, static_cast<std::size_t>(tagNumber));
    MdxTag tag;
    tag.headerPage = ReadLe32(file.data() + slot);
    tag.name = ReadText(file, slot + 4, geometry.slots.nameBytes);
    tag.keyType = static_cast<char>(file[slot + geometry.slots.KeyTypeAt()]);
    if (tag.name.empty())
        ThrowIndexError(TV_TEXT("Tablas", "El índice '%1' está dañado: la etiqueta %2 no tiene nombre"),
                        {fileName, std::to_string(tagNumber)});
    if (!IsKnownKeyType(tag.keyType))
        ThrowIndexError(
            TV_TEXT("Tablas",
                    "El índice '%1' está dañado: la etiqueta '%2' tiene un tipo de clave desconocido"),
            {fileName, tag.name});

    const TagGeometry tagGeometry = ReadTagGeometry(file, geometry, tag, fileName);
    tag.keyLength = static_cast<int>(tagGeometry.keyLength);
    const std::size_t fixedLength = FixedKeyLength(tag.keyType);
    if ((fixedLength != 0 && tagGeometry.keyLength != fixedLength) ||
        (fixedLength == 0 && tagGeometry.keyLength > kMaxKeyLength))
        ThrowIndexError(
            TV_TEXT("Tablas",
                    "El índice '%1' está dañado: la etiqueta '%2' de tipo %3 tiene claves de %4 bytes"),
            {fileName, tag.name, std::string_view(&tag.keyType, 1), std::to_string(tag.keyLength)});

    const std::size_t header = static_cast<std::size_t>(tag.headerPage) * kPageBytes;
    const std::uint8_t flags = file[header + 8];
    tag.descending = (flags & 0x08) != 0;
    tag.unique = (flags & 0x40) != 0;
    tag.counter = file[header + 20];
    tag.expression = ReadText(file, header + kExpressionAt, kExpressionBytes);
    tag.hasForFilter = file[header + 245] != 0;
    return tag;
}

// Walks a tag's B-tree depth first. Every node may be visited once only, so a
// damaged tree that points back into itself ends in an error, not a loop.
class TreeWalker {
  public:
    TreeWalker(std::span<const std::uint8_t> file, const FileGeometry& geometry, const TagGeometry& tag,
               std::string_view tagName, std::string_view fileName)
        : file_(file), geometry_(geometry), tag_(tag), tagName_(tagName), fileName_(fileName),
          visited_(file.size() / kPageBytes + 1, false) {}

    std::vector<IndexEntry> Walk() {
        pending_.push_back({tag_.root, 0});
        while (!pending_.empty()) {
            const Pending node = pending_.back();
            pending_.pop_back();
            Visit(node);
        }
        return std::move(entries_);
    }

  private:
    struct Pending {
        std::uint32_t page;
        int depth;
    };

    void Visit(const Pending& node) {
        CheckBlockPage(file_, geometry_, node.page, fileName_, PageOwner::TagTree, tagName_);
        if (visited_[node.page])
            ThrowIndexError(
                TV_TEXT("Tablas",
                        "El índice '%1' está dañado: el árbol de la etiqueta '%2' vuelve a la página %3"),
                {fileName_, tagName_, std::to_string(node.page)});
        visited_[node.page] = true;

        const std::size_t at = static_cast<std::size_t>(node.page) * kPageBytes;
        const std::size_t keyCount = ReadLe32(file_.data() + at);
        if (keyCount > tag_.maxKeysPerNode)
            ThrowIndexError(
                TV_TEXT(
                    "Tablas",
                    "El índice '%1' está dañado: el árbol de la etiqueta '%2' tiene %3 claves en la página %4"),
                {fileName_, tagName_, std::to_string(keyCount), std::to_string(node.page)});
        // Leaves end with a zero where interior nodes keep their last child.
        const std::uint32_t lastChild = ReadLe32(file_.data() + at + 8 + keyCount * tag_.itemLength);
        if (lastChild == 0) {
            AddLeaf(node, at, keyCount);
        } else {
            pending_.push_back({lastChild, node.depth + 1});
            for (std::size_t i = keyCount; i-- > 0;)
                pending_.push_back({ReadLe32(file_.data() + at + 8 + i * tag_.itemLength), node.depth + 1});
        }
    }

    void AddLeaf(const Pending& node, std::size_t at, std::size_t keyCount) {
        if (leafDepth_ < 0) leafDepth_ = node.depth;
        if (node.depth != leafDepth_)
            ThrowIndexError(
                TV_TEXT(
                    "Tablas",
                    "El índice '%1' está dañado: el árbol de la etiqueta '%2' tiene hojas a distinta profundidad"),
                {fileName_, tagName_});
        for (std::size_t i = 0; i < keyCount; ++i) {
            const std::size_t item = at + 8 + i * tag_.itemLength;
            const std::uint32_t record = ReadLe32(file_.data() + item);
            if (record == 0)
                ThrowIndexError(
                    TV_TEXT(
                        "Tablas",
                        "El índice '%1' está dañado: el árbol de la etiqueta '%2' tiene un registro 0 en la página %3"),
                    {fileName_, tagName_, std::to_string(node.page)});
            const auto* key = reinterpret_cast<const char*>(file_.data() + item + 4);
            entries_.emplace_back(std::string(key, tag_.keyLength), record);
        }
    }

    std::span<const std::uint8_t> file_;
    const FileGeometry& geometry_;
    const TagGeometry& tag_;
    std::string_view tagName_;
    std::string_view fileName_;
    std::vector<bool> visited_;
    std::vector<Pending> pending_;
    std::vector<IndexEntry> entries_;
    int leafDepth_ = -1;
};

} // namespace

MdxInfo ReadMdx(std::span<const std::uint8_t> file, std::string_view fileName) {
    const FileGeometry geometry = ReadFileGeometry(file, fileName);
    MdxInfo info;
    info.version = geometry.version;
    info.tableName = ReadText(file, 4, 16);
    info.languageDriver = file[31];
    info.tags.reserve(static_cast<std::size_t>(geometry.tagCount));
    for (int n = 1; n <= geometry.tagCount; ++n)
        info.tags.push_back(ReadTag(file, geometry, n, fileName));
    return info;
}

std::vector<IndexEntry> WalkMdxTag(std::span<const std::uint8_t> file, const MdxTag& tag,
                                   std::string_view fileName) {
    const FileGeometry geometry = ReadFileGeometry(file, fileName);
    const TagGeometry tagGeometry = ReadTagGeometry(file, geometry, tag, fileName);
    return TreeWalker(file, geometry, tagGeometry, tag.name, fileName).Walk();
}

} // namespace tv::tables

#include "tables/mdx_file.h"

#include "tables/table_error.h"
#include "tables/user_text.h"

#include <algorithm>
#include <cstring>

namespace tv::tables {

namespace {

// ---- Layout shared by reader and writer ---------------------------------------

constexpr std::size_t kPageBytes = 512;
constexpr std::size_t kBlockBytes = 1024; // what we write: two pages per block
constexpr std::size_t kTagSlots = 48;     // slot 0 is the anchor of the tag-name tree
constexpr int kMaxTags = 47;
constexpr std::size_t kExpressionAt = 24;
constexpr std::size_t kExpressionBytes = 221; // 220 characters and the NUL
constexpr std::size_t kMaxKeyLength = 100;    // dBase's limit for a key value
constexpr std::size_t kNodeOverhead = 12;     // key count, link, trailing pointer

// Tag-table slots differ between the two versions only in the width of the
// name; the bytes after the name keep the same order.
struct SlotLayout {
    std::size_t slotBytes = 0;
    std::size_t nameBytes = 0; // including room for the NUL

    std::size_t FlagAt() const { return 4 + nameBytes; }
    std::size_t LeftAt() const { return FlagAt() + 1; }
    std::size_t RightAt() const { return FlagAt() + 2; }
    std::size_t ParentAt() const { return FlagAt() + 3; }
    std::size_t MarkAt() const { return FlagAt() + 4; }
    std::size_t KeyTypeAt() const { return FlagAt() + 5; }
    std::size_t MinSlotBytes() const { return KeyTypeAt() + 1; }
};

SlotLayout SlotLayoutFor(int version) {
    return version == 3 ? SlotLayout{43, 33} : SlotLayout{32, 11};
}

std::size_t SlotOffset(const SlotLayout& layout, std::size_t tagNumber) {
    return kPageBytes + layout.slotBytes * tagNumber;
}

std::size_t RoundUp(std::size_t value, std::size_t unit) {
    return (value + unit - 1) / unit * unit;
}

std::size_t ItemLength(std::size_t keyLength) {
    return RoundUp(keyLength + 4, 4);
}

std::uint16_t ReadU16(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

std::uint32_t ReadU32(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::uint32_t>(bytes[at]) | static_cast<std::uint32_t>(bytes[at + 1]) << 8 |
           static_cast<std::uint32_t>(bytes[at + 2]) << 16 | static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

void WriteU16(std::uint8_t* at, std::size_t value) {
    at[0] = static_cast<std::uint8_t>(value);
    at[1] = static_cast<std::uint8_t>(value >> 8);
}

void WriteU32(std::uint8_t* at, std::size_t value) {
    for (int i = 0; i < 4; ++i)
        at[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

void WriteDate(std::uint8_t* at, const FileDate& date) {
    at[0] = date.yearsSince1900;
    at[1] = date.month;
    at[2] = date.day;
}

// Text up to the first NUL, never past `maxBytes`.
std::string ReadText(std::span<const std::uint8_t> bytes, std::size_t at, std::size_t maxBytes) {
    const auto* begin = reinterpret_cast<const char*>(bytes.data() + at);
    const auto* end = std::find(begin, begin + maxBytes, '\0');
    return std::string(begin, end);
}

std::string ToUpperAscii(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return upper;
}

// Fixed-size key types have one possible key length; 0 = any (C).
std::size_t FixedKeyLength(char keyType) {
    switch (keyType) {
    case 'N':
    case 'F':
        return 12;
    case 'D':
    case 'O':
    case '@':
        return 8;
    case 'I':
    case '+':
        return 4;
    default:
        return 0;
    }
}

bool IsKnownKeyType(char keyType) {
    return keyType == 'C' || FixedKeyLength(keyType) != 0;
}

// ---- Reading -----------------------------------------------------------------------

// Throws the sentence `cp1252Template` with its %1.. filled in: %1 is always
// the index file's name.
[[noreturn]] void ThrowDamaged(std::string_view cp1252Template,
                               std::initializer_list<std::string_view> arguments) {
    throw TableError(FormatText(cp1252Template, arguments));
}

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
        ThrowDamaged(TV_TEXT("Tablas", "El índice '%1' está dañado: mide %2 bytes, menos que su cabecera"),
                     {fileName, std::to_string(file.size())});
    FileGeometry geometry;
    geometry.version = file[0];
    if (geometry.version != 2 && geometry.version != 3)
        ThrowDamaged(TV_TEXT("Tablas", "El índice '%1' está dañado: versión %2 desconocida"),
                     {fileName, std::to_string(geometry.version)});

    const std::size_t pagesPerBlock = ReadU16(file, 20);
    geometry.blockBytes = ReadU16(file, 22);
    if (pagesPerBlock < 2 || pagesPerBlock > 32 || geometry.blockBytes != pagesPerBlock * kPageBytes)
        ThrowDamaged(TV_TEXT("Tablas", "El índice '%1' está dañado: tamaño de bloque no válido (%2)"),
                     {fileName, std::to_string(geometry.blockBytes)});

    geometry.slots = SlotLayoutFor(geometry.version);
    geometry.slots.slotBytes = file[26];
    if (geometry.slots.slotBytes < geometry.slots.MinSlotBytes())
        ThrowDamaged(
            TV_TEXT("Tablas", "El índice '%1' está dañado: la tabla de etiquetas tiene entradas de %2 bytes"),
            {fileName, std::to_string(geometry.slots.slotBytes)});
    const std::size_t tagTableEnd = SlotOffset(geometry.slots, kTagSlots);
    geometry.firstNodePage = static_cast<std::uint32_t>(RoundUp(tagTableEnd, kPageBytes) / kPageBytes);
    if (file.size() < tagTableEnd)
        ThrowDamaged(
            TV_TEXT("Tablas",
                    "El índice '%1' está dañado: el archivo termina dentro de la tabla de etiquetas"),
            {fileName});

    geometry.tagCount = ReadU16(file, 28);
    if (geometry.tagCount > kMaxTags)
        ThrowDamaged(TV_TEXT("Tablas", "El índice '%1' está dañado: dice tener %2 etiquetas (máximo 47)"),
                     {fileName, std::to_string(geometry.tagCount)});

    const std::uint64_t declaredPages = ReadU32(file, 32);
    if (declaredPages * kPageBytes > file.size())
        ThrowDamaged(
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
            ThrowDamaged(
                TV_TEXT(
                    "Tablas",
                    "El índice '%1' está dañado: la etiqueta '%2' apunta a la página %3, dentro de la tabla de etiquetas"),
                {fileName, tagName, number});
        case PageOwner::TagRoot:
            ThrowDamaged(
                TV_TEXT(
                    "Tablas",
                    "El índice '%1' está dañado: la raíz de la etiqueta '%2' apunta a la página %3, dentro de la tabla de etiquetas"),
                {fileName, tagName, number});
        case PageOwner::TagTree:
            ThrowDamaged(
                TV_TEXT(
                    "Tablas",
                    "El índice '%1' está dañado: el árbol de la etiqueta '%2' apunta a la página %3, dentro de la tabla de etiquetas"),
                {fileName, tagName, number});
        }
    }
    if (static_cast<std::uint64_t>(page) * kPageBytes + geometry.blockBytes > file.size()) {
        switch (owner) {
        case PageOwner::TagHeader:
            ThrowDamaged(
                TV_TEXT(
                    "Tablas",
                    "El índice '%1' está dañado: la etiqueta '%2' apunta a la página %3, fuera del archivo"),
                {fileName, tagName, number});
        case PageOwner::TagRoot:
            ThrowDamaged(
                TV_TEXT(
                    "Tablas",
                    "El índice '%1' está dañado: la raíz de la etiqueta '%2' apunta a la página %3, fuera del archivo"),
                {fileName, tagName, number});
        case PageOwner::TagTree:
            ThrowDamaged(
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
    tagGeometry.keyLength = ReadU16(file, at + 12);
    tagGeometry.itemLength = ReadU16(file, at + 18);
    if (tagGeometry.keyLength == 0 || tagGeometry.itemLength < tagGeometry.keyLength + 4 ||
        tagGeometry.itemLength + kNodeOverhead > geometry.blockBytes)
        ThrowDamaged(
            TV_TEXT(
                "Tablas",
                "El índice '%1' está dañado: la etiqueta '%2' tiene claves de %3 bytes en entradas de %4"),
            {fileName, tag.name, std::to_string(tagGeometry.keyLength),
             std::to_string(tagGeometry.itemLength)});
    tagGeometry.maxKeysPerNode = (geometry.blockBytes - kNodeOverhead) / tagGeometry.itemLength;

    tagGeometry.root = ReadU32(file, at);
    CheckBlockPage(file, geometry, tagGeometry.root, fileName, PageOwner::TagRoot, tag.name);
    return tagGeometry;
}

MdxTag ReadTag(std::span<const std::uint8_t> file, const FileGeometry& geometry, int tagNumber,
               std::string_view fileName) {
    const std::size_t slot = SlotOffset(geometry.slots, static_cast<std::size_t>(tagNumber));
    MdxTag tag;
    tag.headerPage = ReadU32(file, slot);
    tag.name = ReadText(file, slot + 4, geometry.slots.nameBytes);
    tag.keyType = static_cast<char>(file[slot + geometry.slots.KeyTypeAt()]);
    if (tag.name.empty())
        ThrowDamaged(TV_TEXT("Tablas", "El índice '%1' está dañado: la etiqueta %2 no tiene nombre"),
                     {fileName, std::to_string(tagNumber)});
    if (!IsKnownKeyType(tag.keyType))
        ThrowDamaged(
            TV_TEXT("Tablas",
                    "El índice '%1' está dañado: la etiqueta '%2' tiene un tipo de clave desconocido"),
            {fileName, tag.name});

    const TagGeometry tagGeometry = ReadTagGeometry(file, geometry, tag, fileName);
    tag.keyLength = static_cast<int>(tagGeometry.keyLength);
    const std::size_t fixedLength = FixedKeyLength(tag.keyType);
    if ((fixedLength != 0 && tagGeometry.keyLength != fixedLength) ||
        (fixedLength == 0 && tagGeometry.keyLength > kMaxKeyLength))
        ThrowDamaged(
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
            ThrowDamaged(
                TV_TEXT("Tablas",
                        "El índice '%1' está dañado: el árbol de la etiqueta '%2' vuelve a la página %3"),
                {fileName_, tagName_, std::to_string(node.page)});
        visited_[node.page] = true;

        const std::size_t at = static_cast<std::size_t>(node.page) * kPageBytes;
        const std::size_t keyCount = ReadU32(file_, at);
        if (keyCount > tag_.maxKeysPerNode)
            ThrowDamaged(
                TV_TEXT(
                    "Tablas",
                    "El índice '%1' está dañado: el árbol de la etiqueta '%2' tiene %3 claves en la página %4"),
                {fileName_, tagName_, std::to_string(keyCount), std::to_string(node.page)});
        // Leaves end with a zero where interior nodes keep their last child.
        const std::uint32_t lastChild = ReadU32(file_, at + 8 + keyCount * tag_.itemLength);
        if (lastChild == 0) {
            AddLeaf(node, at, keyCount);
        } else {
            pending_.push_back({lastChild, node.depth + 1});
            for (std::size_t i = keyCount; i-- > 0;)
                pending_.push_back({ReadU32(file_, at + 8 + i * tag_.itemLength), node.depth + 1});
        }
    }

    void AddLeaf(const Pending& node, std::size_t at, std::size_t keyCount) {
        if (leafDepth_ < 0) leafDepth_ = node.depth;
        if (node.depth != leafDepth_)
            ThrowDamaged(
                TV_TEXT(
                    "Tablas",
                    "El índice '%1' está dañado: el árbol de la etiqueta '%2' tiene hojas a distinta profundidad"),
                {fileName_, tagName_});
        for (std::size_t i = 0; i < keyCount; ++i) {
            const std::size_t item = at + 8 + i * tag_.itemLength;
            const std::uint32_t record = ReadU32(file_, item);
            if (record == 0)
                ThrowDamaged(
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

// ---- Writing -----------------------------------------------------------------------

// Throws the sentence `cp1252Template` with its %1.. filled in: %1 is always
// the table's name.
[[noreturn]] void ThrowCannotBuild(std::string_view cp1252Template,
                                   std::initializer_list<std::string_view> arguments) {
    throw TableError(FormatText(cp1252Template, arguments));
}

// Where a tag goes in the file being built and how its nodes are sized.
struct TagPlan {
    const MdxTagContent* content = nullptr;
    std::string name; // upper case
    std::size_t keyLength = 0;
    std::size_t itemLength = 0;
    std::size_t maxKeys = 0;
    std::uint32_t headerPage = 0;
    std::size_t nodeCount = 0;
};

// Leaves are filled to the brim; each interior level holds up to maxKeys + 1
// children per node. Must agree with TreeWriter, which writes exactly this many.
std::size_t CountNodes(std::size_t entries, std::size_t maxKeys) {
    std::size_t level = std::max<std::size_t>(1, (entries + maxKeys - 1) / maxKeys);
    std::size_t total = level;
    while (level > 1) {
        level = (level + maxKeys) / (maxKeys + 1);
        total += level;
    }
    return total;
}

bool IsSingleFieldName(std::string_view expression) {
    if (expression.empty()) return false;
    return std::all_of(expression.begin(), expression.end(), [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
    });
}

void CheckTag(const MdxBuild& build, const SlotLayout& layout, const MdxTagContent& content) {
    const MdxTag& tag = content.tag;
    const std::string_view table = build.tableName;
    if (tag.name.empty() || tag.name.size() >= layout.nameBytes)
        ThrowCannotBuild(
            TV_TEXT(
                "Tablas",
                "No se puede escribir el índice '%1.MDX': la etiqueta '%2' necesita un nombre de 1 a %3 caracteres"),
            {table, tag.name, std::to_string(layout.nameBytes - 1)});
    if (!IsKnownKeyType(tag.keyType))
        ThrowCannotBuild(
            TV_TEXT(
                "Tablas",
                "No se puede escribir el índice '%1.MDX': la etiqueta '%2' tiene un tipo de clave desconocido"),
            {table, tag.name});
    const std::size_t fixedLength = FixedKeyLength(tag.keyType);
    const auto keyLength = static_cast<std::size_t>(std::max(tag.keyLength, 0));
    if (keyLength == 0 || (fixedLength != 0 && keyLength != fixedLength) || keyLength > kMaxKeyLength)
        ThrowCannotBuild(
            TV_TEXT("Tablas",
                    "No se puede escribir el índice '%1.MDX': la etiqueta '%2' no admite claves de %3 bytes"),
            {table, tag.name, std::to_string(tag.keyLength)});
    if (tag.expression.empty() || tag.expression.size() >= kExpressionBytes)
        ThrowCannotBuild(
            TV_TEXT(
                "Tablas",
                "No se puede escribir el índice '%1.MDX': la etiqueta '%2' necesita una expresión de 1 a 220 caracteres"),
            {table, tag.name});
    if (tag.hasForFilter)
        ThrowCannotBuild(
            TV_TEXT(
                "Tablas",
                "No se puede escribir el índice '%1.MDX': la etiqueta '%2' tiene un filtro FOR, que no se sabe escribir"),
            {table, tag.name});
    for (const IndexEntry& entry : content.entries) {
        if (entry.first.size() != keyLength || entry.second == 0)
            ThrowCannotBuild(
                TV_TEXT(
                    "Tablas",
                    "No se puede escribir el índice '%1.MDX': la etiqueta '%2' recibe una clave de %3 bytes para el registro %4"),
                {table, tag.name, std::to_string(entry.first.size()), std::to_string(entry.second)});
    }
}

std::vector<TagPlan> PlanTags(const MdxBuild& build, const SlotLayout& layout, std::uint32_t firstPage) {
    if (build.tags.size() > static_cast<std::size_t>(kMaxTags))
        ThrowCannotBuild(
            TV_TEXT("Tablas", "No se puede escribir el índice '%1.MDX': no caben %2 etiquetas (máximo 47)"),
            {build.tableName, std::to_string(build.tags.size())});
    std::vector<TagPlan> plans;
    plans.reserve(build.tags.size());
    std::uint32_t page = firstPage;
    for (const MdxTagContent& content : build.tags) {
        CheckTag(build, layout, content);
        TagPlan plan;
        plan.content = &content;
        plan.name = ToUpperAscii(content.tag.name);
        for (const TagPlan& earlier : plans) {
            if (earlier.name == plan.name)
                ThrowCannotBuild(
                    TV_TEXT("Tablas",
                            "No se puede escribir el índice '%1.MDX': la etiqueta '%2' está repetida"),
                    {build.tableName, plan.name});
        }
        plan.keyLength = static_cast<std::size_t>(content.tag.keyLength);
        plan.itemLength = ItemLength(plan.keyLength);
        plan.maxKeys = (kBlockBytes - kNodeOverhead) / plan.itemLength;
        plan.nodeCount = CountNodes(content.EntryCount(), plan.maxKeys);
        plan.headerPage = page;
        page += static_cast<std::uint32_t>((1 + plan.nodeCount) * (kBlockBytes / kPageBytes));
        plans.push_back(std::move(plan));
    }
    return plans;
}

void WriteFileHeader(std::uint8_t* out, const MdxBuild& build, std::size_t tagCount, std::size_t pageCount) {
    out[0] = static_cast<std::uint8_t>(build.version);
    WriteDate(out + 1, build.created);
    const std::string name = ToUpperAscii(build.tableName).substr(0, 8);
    std::memcpy(out + 4, name.data(), name.size());
    WriteU16(out + 20, kBlockBytes / kPageBytes);
    WriteU16(out + 22, kBlockBytes);
    out[24] = 1; // production index
    out[25] = static_cast<std::uint8_t>(kTagSlots);
    out[26] = static_cast<std::uint8_t>(SlotLayoutFor(build.version).slotBytes);
    WriteU16(out + 28, tagCount);
    out[30] = static_cast<std::uint8_t>(tagCount + 1);
    // Level-7 files keep the language driver in the table, not here.
    out[31] = build.version == 2 ? build.languageDriver : 0;
    WriteU32(out + 32, pageCount);
    WriteDate(out + 44, build.updated);
}

// The slots link into a binary search tree over the names, built in creation
// order with plain byte comparison; slot 0's right link holds the root.
void WriteTagTable(std::uint8_t* out, const SlotLayout& layout, const std::vector<TagPlan>& plans) {
    if (plans.empty()) return;
    out[SlotOffset(layout, 0) + layout.RightAt()] = 1;
    for (std::size_t n = 1; n <= plans.size(); ++n) {
        const TagPlan& plan = plans[n - 1];
        std::uint8_t* slot = out + SlotOffset(layout, n);
        WriteU32(slot, plan.headerPage);
        std::memcpy(slot + 4, plan.name.data(), plan.name.size());
        slot[layout.FlagAt()] = 0x10;
        slot[layout.MarkAt()] = 0x02;
        slot[layout.KeyTypeAt()] = static_cast<std::uint8_t>(plan.content->tag.keyType);
        if (n == 1) continue;
        std::size_t parent = 1;
        for (;;) {
            const bool smaller = plan.name < plans[parent - 1].name; // unsigned byte order
            std::uint8_t& link =
                out[SlotOffset(layout, parent) + (smaller ? layout.LeftAt() : layout.RightAt())];
            if (link == 0) {
                link = static_cast<std::uint8_t>(n);
                slot[layout.ParentAt()] = static_cast<std::uint8_t>(parent);
                break;
            }
            parent = link;
        }
    }
}

// Pages of the tree that TreeWriter produced.
struct TreePages {
    std::uint32_t root = 0;
    std::uint32_t firstLeaf = 0;
    std::uint32_t lastLeaf = 0;
};

// Writes a tag's B-tree bottom-up into consecutive blocks: all leaves in key
// order, then each interior level, the root last. Separator keys are copied
// from the output buffer itself, so no key is allocated along the way.
class TreeWriter {
  public:
    TreeWriter(std::uint8_t* out, const TagPlan& plan) : out_(out), plan_(plan) {
        nextPage_ = plan.headerPage + static_cast<std::uint32_t>(kBlockBytes / kPageBytes);
    }

    TreePages Write() {
        TreePages pages;
        WriteLeaves();
        pages.firstLeaf = level_.front().page;
        pages.lastLeaf = level_.back().page;
        while (level_.size() > 1)
            WriteInteriorLevel();
        pages.root = level_.front().page;
        return pages;
    }

  private:
    // A written node: its page and where the largest key of its subtree lies in `out_`.
    struct WrittenNode {
        std::uint32_t page;
        std::size_t largestKeyAt;
    };

    std::uint8_t* NewNode(std::uint32_t& page) {
        page = nextPage_;
        nextPage_ += static_cast<std::uint32_t>(kBlockBytes / kPageBytes);
        return out_ + static_cast<std::size_t>(page) * kPageBytes;
    }

    std::size_t ItemAt(std::size_t i) const { return 8 + i * plan_.itemLength; }

    void WriteLeaves() {
        const MdxTagContent& entries = *plan_.content;
        level_.reserve(entries.EntryCount() / plan_.maxKeys + 1);
        std::size_t next = 0;
        do { // an empty tag still gets its one (empty) leaf
            const std::size_t count = std::min(plan_.maxKeys, entries.EntryCount() - next);
            std::uint32_t page = 0;
            std::uint8_t* node = NewNode(page);
            WriteU32(node, count);
            for (std::size_t i = 0; i < count; ++i, ++next) {
                WriteU32(node + ItemAt(i), entries.RecordAt(next));
                std::memcpy(node + ItemAt(i) + 4, entries.KeyAt(next), plan_.keyLength);
            }
            const std::size_t lastKey = ItemAt(count == 0 ? 0 : count - 1) + 4;
            level_.push_back({page, static_cast<std::size_t>(node - out_) + lastKey});
        } while (next < entries.EntryCount());
    }

    // Each interior item is a child page with the largest key of that child's
    // subtree; the last child goes into the trailing pointer without a key.
    void WriteInteriorLevel() {
        const std::size_t fanOut = plan_.maxKeys + 1;
        above_.clear();
        std::size_t next = 0;
        while (next < level_.size()) {
            std::size_t children = std::min(fanOut, level_.size() - next);
            // Never leave a lone child for the last node: borrow one from this node.
            if (level_.size() - next - children == 1) --children;
            std::uint32_t page = 0;
            std::uint8_t* node = NewNode(page);
            WriteU32(node, children - 1);
            for (std::size_t i = 0; i + 1 < children; ++i) {
                const WrittenNode& child = level_[next + i];
                WriteU32(node + ItemAt(i), child.page);
                std::memcpy(node + ItemAt(i) + 4, out_ + child.largestKeyAt, plan_.keyLength);
            }
            const WrittenNode& last = level_[next + children - 1];
            WriteU32(node + ItemAt(children - 1), last.page);
            above_.push_back({page, last.largestKeyAt});
            next += children;
        }
        level_.swap(above_);
    }

    std::uint8_t* out_;
    const TagPlan& plan_;
    std::uint32_t nextPage_ = 0;
    std::vector<WrittenNode> level_;
    std::vector<WrittenNode> above_;
};

void WriteTagHeader(std::uint8_t* out, const MdxBuild& build, const TagPlan& plan, const TreePages& pages) {
    const MdxTag& tag = plan.content->tag;
    std::uint8_t* header = out + static_cast<std::size_t>(plan.headerPage) * kPageBytes;
    WriteU32(header, pages.root);
    WriteU32(header + 4, plan.nodeCount * (kBlockBytes / kPageBytes));
    header[8] = static_cast<std::uint8_t>(0x10 | (tag.descending ? 0x08 : 0) | (tag.unique ? 0x40 : 0));
    header[9] = static_cast<std::uint8_t>(tag.keyType);
    header[11] = build.version == 2 ? build.languageDriver : 0;
    WriteU16(header + 12, plan.keyLength);
    WriteU16(header + 14, plan.maxKeys);
    WriteU16(header + 16, tag.keyType == 'D' ? 1 : 0); // secondary key type
    WriteU16(header + 18, plan.itemLength);
    header[20] = tag.counter;
    header[23] = tag.unique ? 1 : 0;
    std::memcpy(header + kExpressionAt, tag.expression.data(), tag.expression.size());
    header[246] = plan.content->EntryCount() == 0 ? 0 : 1;
    WriteU32(header + 248, pages.firstLeaf);
    WriteU32(header + 252, pages.lastLeaf);
    WriteDate(header + 257, build.updated);
    // dBase IV files flag a key that is a plain field name; level-7 files leave it 0.
    header[480] = build.version == 2 && IsSingleFieldName(tag.expression) ? 1 : 0;
}

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

std::vector<std::uint8_t> BuildMdx(const MdxBuild& build) {
    if (build.version != 2 && build.version != 3)
        ThrowCannotBuild(TV_TEXT("Tablas", "No se puede escribir el índice '%1.MDX': versión %2 desconocida"),
                         {build.tableName, std::to_string(build.version)});
    const SlotLayout layout = SlotLayoutFor(build.version);
    // The tag table fills whole blocks; the first tag header follows it.
    const std::size_t tagTableEnd = RoundUp(SlotOffset(layout, kTagSlots), kBlockBytes);
    const std::vector<TagPlan> plans =
        PlanTags(build, layout, static_cast<std::uint32_t>(tagTableEnd / kPageBytes));

    std::size_t pageCount = tagTableEnd / kPageBytes;
    if (!plans.empty())
        pageCount = plans.back().headerPage + (1 + plans.back().nodeCount) * (kBlockBytes / kPageBytes);
    std::vector<std::uint8_t> file(pageCount * kPageBytes, 0);

    WriteFileHeader(file.data(), build, plans.size(), pageCount);
    WriteTagTable(file.data(), layout, plans);
    for (const TagPlan& plan : plans) {
        const TreePages pages = TreeWriter(file.data(), plan).Write();
        WriteTagHeader(file.data(), build, plan, pages);
    }
    return file;
}

} // namespace tv::tables

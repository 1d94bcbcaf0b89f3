// Writing a whole MDX file from the sorted entries of each tag.
#include "tables/mdx_file.h"

#include "tables/byte_order.h"
#include "tables/file_date.h"
#include "tables/mdx_layout.h"
#include "tables/table_error.h"
#include "tables/user_text.h"

#include <algorithm>
#include <cstring>

namespace tv::tables {
using namespace mdx_detail;

namespace {

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
        ThrowIndexError(
            TV_TEXT(
                "Tablas",
                "No se puede escribir el índice '%1.MDX': la etiqueta '%2' necesita un nombre de 1 a %3 caracteres"),
            {table, tag.name, std::to_string(layout.nameBytes - 1)});
    if (!IsKnownKeyType(tag.keyType))
        ThrowIndexError(
            TV_TEXT(
                "Tablas",
                "No se puede escribir el índice '%1.MDX': la etiqueta '%2' tiene un tipo de clave desconocido"),
            {table, tag.name});
    const std::size_t fixedLength = FixedKeyLength(tag.keyType);
    const auto keyLength = static_cast<std::size_t>(std::max(tag.keyLength, 0));
    if (keyLength == 0 || (fixedLength != 0 && keyLength != fixedLength) || keyLength > kMaxKeyLength)
        ThrowIndexError(
            TV_TEXT("Tablas",
                    "No se puede escribir el índice '%1.MDX': la etiqueta '%2' no admite claves de %3 bytes"),
            {table, tag.name, std::to_string(tag.keyLength)});
    if (tag.expression.empty() || tag.expression.size() >= kExpressionBytes)
        ThrowIndexError(
            TV_TEXT(
                "Tablas",
                "No se puede escribir el índice '%1.MDX': la etiqueta '%2' necesita una expresión de 1 a 220 caracteres"),
            {table, tag.name});
    if (tag.hasForFilter)
        ThrowIndexError(
            TV_TEXT(
                "Tablas",
                "No se puede escribir el índice '%1.MDX': la etiqueta '%2' tiene un filtro FOR, que no se sabe escribir"),
            {table, tag.name});
    for (const IndexEntry& entry : content.entries) {
        if (entry.first.size() != keyLength || entry.second == 0)
            ThrowIndexError(
                TV_TEXT(
                    "Tablas",
                    "No se puede escribir el índice '%1.MDX': la etiqueta '%2' recibe una clave de %3 bytes para el registro %4"),
                {table, tag.name, std::to_string(entry.first.size()), std::to_string(entry.second)});
    }
}

std::vector<TagPlan> PlanTags(const MdxBuild& build, const SlotLayout& layout, std::uint32_t firstPage) {
    if (build.tags.size() > static_cast<std::size_t>(kMaxTags))
        ThrowIndexError(
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
                ThrowIndexError(
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
    WriteFileDate(out + 1, build.created);
    const std::string name = ToUpperAscii(build.tableName).substr(0, 8);
    std::memcpy(out + 4, name.data(), name.size());
    WriteLe16(out + 20, kBlockBytes / kPageBytes);
    WriteLe16(out + 22, kBlockBytes);
    out[24] = 1; // production index
    out[25] = static_cast<std::uint8_t>(kTagSlots);
    out[26] = static_cast<std::uint8_t>(SlotLayoutFor(build.version).slotBytes);
    WriteLe16(out + 28, tagCount);
    out[30] = static_cast<std::uint8_t>(tagCount + 1);
    // Level-7 files keep the language driver in the table, not here.
    out[31] = build.version == 2 ? build.languageDriver : 0;
    WriteLe32(out + 32, pageCount);
    WriteFileDate(out + 44, build.updated);
}

// The slots link into a binary search tree over the names, built in creation
// order with plain byte comparison; slot 0's right link holds the root.
void WriteTagTable(std::uint8_t* out, const SlotLayout& layout, const std::vector<TagPlan>& plans) {
    if (plans.empty()) return;
    out[SlotOffset(layout, 0) + layout.RightAt()] = 1;
    for (std::size_t n = 1; n <= plans.size(); ++n) {
        const TagPlan& plan = plans[n - 1];
        std::uint8_t* slot = out + SlotOffset(layout, n);
        WriteLe32(slot, plan.headerPage);
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
            WriteLe32(node, count);
            for (std::size_t i = 0; i < count; ++i, ++next) {
                WriteLe32(node + ItemAt(i), entries.RecordAt(next));
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
            WriteLe32(node, children - 1);
            for (std::size_t i = 0; i + 1 < children; ++i) {
                const WrittenNode& child = level_[next + i];
                WriteLe32(node + ItemAt(i), child.page);
                std::memcpy(node + ItemAt(i) + 4, out_ + child.largestKeyAt, plan_.keyLength);
            }
            const WrittenNode& last = level_[next + children - 1];
            WriteLe32(node + ItemAt(children - 1), last.page);
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
    WriteLe32(header, pages.root);
    WriteLe32(header + 4, plan.nodeCount * (kBlockBytes / kPageBytes));
    header[8] = static_cast<std::uint8_t>(0x10 | (tag.descending ? 0x08 : 0) | (tag.unique ? 0x40 : 0));
    header[9] = static_cast<std::uint8_t>(tag.keyType);
    header[11] = build.version == 2 ? build.languageDriver : 0;
    WriteLe16(header + 12, plan.keyLength);
    WriteLe16(header + 14, plan.maxKeys);
    WriteLe16(header + 16, tag.keyType == 'D' ? 1 : 0); // secondary key type
    WriteLe16(header + 18, plan.itemLength);
    header[20] = tag.counter;
    header[23] = tag.unique ? 1 : 0;
    std::memcpy(header + kExpressionAt, tag.expression.data(), tag.expression.size());
    header[246] = plan.content->EntryCount() == 0 ? 0 : 1;
    WriteLe32(header + 248, pages.firstLeaf);
    WriteLe32(header + 252, pages.lastLeaf);
    WriteFileDate(header + 257, build.updated);
    // dBase IV files flag a key that is a plain field name; level-7 files leave it 0.
    header[480] = build.version == 2 && IsSingleFieldName(tag.expression) ? 1 : 0;
}

} // namespace

std::vector<std::uint8_t> BuildMdx(const MdxBuild& build) {
    if (build.version != 2 && build.version != 3)
        ThrowIndexError(TV_TEXT("Tablas", "No se puede escribir el índice '%1.MDX': versión %2 desconocida"),
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

#include "edit_history.h"

#include <algorithm>
#include <unordered_set>
#include <utility>

struct EditHistory::Change {
    // What applying the change does. Applying it turns it into its inverse:
    // a Link becomes the Unlink of the same node, a Text or Order change
    // keeps the value it replaced.
    enum class Kind : unsigned char { Link, Unlink, Text, Order };

    explicit Change(Kind what) : kind(what) {}

    Kind kind;
    NodeField field = NodeField::Title;  // Text
    BookmarkNode* node = nullptr;        // Link, Unlink, Text
    Folder* folder = nullptr;            // Link, Order
    BookmarkNode* before = nullptr;      // Link: the node it goes before; null for the end
    NodeText text;                       // Text: what applying it sets
    std::vector<BookmarkNode*> order;    // Order: what applying it sets
    std::size_t subtreeBytes = 0;        // Link: the subtree, once measured out of the tree
};

struct EditHistory::Step {
    StepLabel label;
    std::vector<Change> changes;
    std::uint64_t number = 0;
    std::size_t heldBytes = 0;  // as last measured
    bool done = true;

    // The changes through which the step holds nodes out of the tree. A step
    // may unlink and link one node several times (a move), so the change
    // that was applied last to a node tells whether it is out: a Link still
    // to be applied.
    std::vector<Change*> holding() {
        std::vector<Change*> held;
        std::unordered_set<const BookmarkNode*> seen;
        const auto look = [&](Change& change) {
            const bool placement = change.kind == Change::Kind::Link || change.kind == Change::Kind::Unlink;
            if (placement && seen.insert(change.node).second && change.kind == Change::Kind::Link)
                held.push_back(&change);
        };
        if (done)
            std::for_each(changes.rbegin(), changes.rend(), look);
        else
            std::for_each(changes.begin(), changes.end(), look);
        return held;
    }
};

namespace {
// A rough cost of held memory, the heap's own overhead included.
constexpr std::size_t kBlockOverhead = 16;

std::size_t textBytes(const NodeText& text) {
    return text.empty() ? 0 : kBlockOverhead + sizeof(std::size_t) + text.size() + 1;
}

std::size_t orderBytes(const std::vector<BookmarkNode*>& order) {
    return order.capacity() * sizeof(BookmarkNode*);
}

std::size_t nodeBytes(const BookmarkNode& node) {
    const std::size_t common = kBlockOverhead + textBytes(node.title) + textBytes(node.description);
    if (const Link* link = node.asLink()) return common + sizeof(Link) + textBytes(link->url);
    return common + sizeof(Folder);
}

// Every node below and including `root`, visited without recursion.
std::size_t subtreeBytes(const BookmarkNode& root) {
    std::size_t bytes = 0;
    const BookmarkNode* node = &root;
    while (node) {
        bytes += nodeBytes(*node);
        if (const Folder* folder = node->asFolder(); folder && folder->childCount() > 0) {
            node = folder->childrenBegin().node();
            continue;
        }
        while (node != &root && !node->nextSibling()) node = node->parent;
        node = node == &root ? nullptr : node->nextSibling();
    }
    return bytes;
}

NodeText* fieldOf(BookmarkNode* node, NodeField field) {
    switch (field) {
    case NodeField::Title: return &node->title;
    case NodeField::Description: return &node->description;
    case NodeField::Url: return node->asLink() ? &node->asLink()->url : nullptr;
    }
    return nullptr;
}

const StepLabel kNoLabel;
}  // namespace

EditHistory::EditHistory(Collection& collection) : collection_(collection) {}

EditHistory::~EditHistory() {
    view_ = nullptr;  // the view may be gone already
    discardAll(done_);
    discardAll(undone_);
}

void EditHistory::insert(Folder* folder, ChildPosition position, BookmarkNode* node) {
    Change change(Change::Kind::Link);
    change.node = node;
    change.folder = folder;
    change.before = position.node();
    record(std::move(change));
}

void EditHistory::insertChildrenOf(Folder& staging, Folder* folder, ChildPosition position) {
    EditStep step(*this, {});
    while (BookmarkNode* node = staging.childrenBegin().node()) {
        staging.unlinkChild(node);
        insert(folder, position, node);
    }
}

void EditHistory::remove(BookmarkNode* node) {
    if (!node->parent) return;
    Change change(Change::Kind::Unlink);
    change.node = node;
    record(std::move(change));
}

void EditHistory::move(BookmarkNode* node, Folder* folder, ChildPosition position) {
    for (const BookmarkNode* above = folder; above; above = above->parent)
        if (above == node) return;  // never into itself
    if (position.node() == node) position = position.next();
    EditStep step(*this, {});
    remove(node);
    insert(folder, position, node);
}

void EditHistory::setText(BookmarkNode* node, NodeField field, std::string_view text) {
    const NodeText* current = fieldOf(node, field);
    if (!current || current->view() == text) return;
    Change change(Change::Kind::Text);
    change.node = node;
    change.field = field;
    change.text = text;
    record(std::move(change));
}

bool EditHistory::reorder(Folder* folder, const std::vector<BookmarkNode*>& order) {
    if (order.size() != folder->childCount()) return false;
    std::vector<BookmarkNode*> sorted = order;
    std::sort(sorted.begin(), sorted.end());
    if (std::adjacent_find(sorted.begin(), sorted.end()) != sorted.end()) return false;
    bool same = true;
    ChildPosition position = folder->childrenBegin();
    for (BookmarkNode* node : order) {
        if (node->parent != folder) return false;
        same = same && node == position.node();
        ++position;
    }
    if (same) return true;
    Change change(Change::Kind::Order);
    change.folder = folder;
    change.order = order;
    record(std::move(change));
    return true;
}

void EditHistory::beginStep(StepLabel label) {
    if (depth_++ > 0) return;
    open_ = std::make_unique<Step>();
    open_->label = std::move(label);
}

void EditHistory::relabelStep(StepLabel label) {
    if (open_) open_->label = std::move(label);
}

void EditHistory::endStep() {
    if (depth_ == 0 || --depth_ > 0) return;
    std::unique_ptr<Step> step = std::move(open_);
    if (step->changes.empty()) return;
    step->number = ++lastNumber_;
    remeasure(*step);
    done_.push_back(std::move(step));
    keepWithinBudget();
    showState();
}

const StepLabel& EditHistory::undoLabel() const { return canUndo() ? done_.back()->label : kNoLabel; }

const StepLabel& EditHistory::redoLabel() const { return canRedo() ? undone_.back()->label : kNoLabel; }

BookmarkNode* EditHistory::undo() { return canUndo() ? moveLastStep(done_, undone_) : nullptr; }

BookmarkNode* EditHistory::redo() { return canRedo() ? moveLastStep(undone_, done_) : nullptr; }

BookmarkNode* EditHistory::moveLastStep(std::deque<std::unique_ptr<Step>>& from, std::deque<std::unique_ptr<Step>>& to) {
    std::unique_ptr<Step> step = std::move(from.back());
    from.pop_back();
    const bool undoing = &from == &done_;
    BookmarkNode* shown = replay(*step, undoing);
    step->done = !undoing;
    remeasure(*step);
    to.push_back(std::move(step));
    showState();
    return shown;
}

void EditHistory::clear() {
    discardAll(done_);
    discardAll(undone_);
    baseState_ = savedState_ = ++lastNumber_;
    showState();
}

void EditHistory::markSaved() {
    savedState_ = done_.empty() ? baseState_ : done_.back()->number;
    showState();
}

void EditHistory::record(Change change) {
    if (depth_ == 0) {
        EditStep step(*this, {});
        record(std::move(change));
        return;
    }
    if (open_->changes.empty()) discardAll(undone_);
    apply(change);
    open_->changes.push_back(std::move(change));
}

BookmarkNode* EditHistory::apply(Change& change) {
    switch (change.kind) {
    case Change::Kind::Link:
        collection_.link(change.folder, ChildPosition(change.before), change.node);
        if (view_) view_->inserted(change.node);
        change.kind = Change::Kind::Unlink;
        return change.node;
    case Change::Kind::Unlink: {
        BookmarkNode* node = change.node;
        change.folder = node->parent;
        change.before = node->nextSibling();
        BookmarkNode* neighbour = change.before ? change.before : node->previousSibling();
        if (!neighbour && change.folder != &collection_) neighbour = change.folder;
        if (view_) view_->removing(node);
        collection_.unlink(node);
        change.kind = Change::Kind::Link;
        return neighbour;
    }
    case Change::Kind::Text: {
        NodeText* current = fieldOf(change.node, change.field);
        std::swap(*current, change.text);
        collection_.modified = true;
        if (view_) view_->changed(change.node);
        return change.node == &collection_ ? nullptr : change.node;
    }
    case Change::Kind::Order: {
        std::vector<BookmarkNode*> previous;
        previous.reserve(change.order.size());
        for (ChildPosition at = change.folder->childrenBegin(); !at.isEnd(); ++at) previous.push_back(at.node());
        std::size_t next = 0;
        collection_.reorderChildren(change.folder, [&] { return change.order[next++]; });
        change.order.swap(previous);
        if (view_) view_->reordered(change.folder);
        return change.folder == &collection_ ? change.folder->childrenBegin().node() : change.folder;
    }
    }
    return nullptr;
}

// Applies the step's changes, last first when taking it back. The node to
// show is the first one that comes back into the tree, else the place of
// the last change.
BookmarkNode* EditHistory::replay(Step& step, bool backwards) {
    BookmarkNode* shown = nullptr;
    bool linked = false;
    const auto applyOne = [&](Change& change) {
        const bool links = change.kind == Change::Kind::Link;
        BookmarkNode* place = apply(change);
        if (!linked) shown = place;
        linked = linked || links;
    };
    if (backwards)
        std::for_each(step.changes.rbegin(), step.changes.rend(), applyOne);
    else
        std::for_each(step.changes.begin(), step.changes.end(), applyOne);
    return shown;
}

void EditHistory::remeasure(Step& step) {
    held_ -= step.heldBytes;
    step.heldBytes = 0;
    for (const Change& change : step.changes) step.heldBytes += textBytes(change.text) + orderBytes(change.order);
    for (Change* change : step.holding()) {
        if (change->subtreeBytes == 0) change->subtreeBytes = subtreeBytes(*change->node);
        step.heldBytes += change->subtreeBytes;
    }
    held_ += step.heldBytes;
}

void EditHistory::discard(Step& step) {
    held_ -= step.heldBytes;
    for (Change* change : step.holding()) {
        if (view_) view_->discarding(change->node);
        delete change->node;
    }
}

void EditHistory::discardAll(std::deque<std::unique_ptr<Step>>& steps) {
    for (auto& step : steps) discard(*step);
    steps.clear();
}

void EditHistory::keepWithinBudget() {
    while (held_ > budget_ && done_.size() > 1) {
        baseState_ = done_.front()->number;
        discard(*done_.front());
        done_.pop_front();
    }
}

void EditHistory::showState() {
    const std::uint64_t state = done_.empty() ? baseState_ : done_.back()->number;
    collection_.modified = state != savedState_;
}

#pragma once

// Every change to the collection goes through the edit history, which makes
// it, tells the view and remembers how to take it back. Changes are grouped
// into steps (one command, one step) that Undo and Redo take back and make
// again, in order.
//
// The history holds what changed, never a copy of the collection: a removed
// subtree moves into the history as it is, a reorder keeps the old order of
// the same nodes, a text change keeps the other text. Nodes are never copied,
// so a node pointer recorded in a step stays valid for as long as the step
// can be undone or redone.

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "collection.h"
#include "collection_view.h"

enum class NodeField : unsigned char { Title, Description, Url };

// How the Undo and Redo commands name a step: a text of the language module
// and the item it names, if any.
struct StepLabel {
    unsigned textId = 0;
    std::string subject;
};

class EditHistory {
public:
    // A step takes back nothing beyond this many bytes of held nodes and
    // texts: the oldest steps go first, but the newest always stays.
    static constexpr std::size_t kDefaultMemoryBudget = 64u << 20;

    explicit EditHistory(Collection& collection);
    ~EditHistory();
    EditHistory(const EditHistory&) = delete;
    EditHistory& operator=(const EditHistory&) = delete;

    void setView(CollectionView* view) { view_ = view; }
    void setMemoryBudget(std::size_t bytes) { budget_ = bytes; }

    // The changes. Each one made outside beginStep/endStep is a step of its own.
    // Links `node`, which must be in no folder, just before `position`.
    void insert(Folder* folder, ChildPosition position, BookmarkNode* node);
    // Moves every child of `staging` (a folder outside the collection) there.
    void insertChildrenOf(Folder& staging, Folder* folder, ChildPosition position);
    void remove(BookmarkNode* node);
    void move(BookmarkNode* node, Folder* folder, ChildPosition position);
    // Does nothing when the text is already the same.
    void setText(BookmarkNode* node, NodeField field, std::string_view text);
    // Puts the folder's children in `order`, which must hold each of them
    // once; answers false (and changes nothing) when it does not.
    bool reorder(Folder* folder, const std::vector<BookmarkNode*>& order);

    // Steps nest: the outermost one counts, and a step without changes is
    // forgotten. The first change of a new step clears what could be redone.
    void beginStep(StepLabel label);
    void relabelStep(StepLabel label);
    void endStep();

    bool canUndo() const { return depth_ == 0 && !done_.empty(); }
    bool canRedo() const { return depth_ == 0 && !undone_.empty(); }
    const StepLabel& undoLabel() const;
    const StepLabel& redoLabel() const;
    // Takes back the last step, or makes the last one taken back again.
    // Answers the node to show afterwards (null for none).
    BookmarkNode* undo();
    BookmarkNode* redo();

    // Forgets every step: the collection as it is now counts as saved.
    void clear();
    // The collection as it is now was saved: coming back to this state
    // clears its modified mark, leaving it sets the mark.
    void markSaved();

    // Bytes held by the steps: nodes out of the tree, texts, orders.
    std::size_t heldBytes() const { return held_; }

private:
    struct Change;
    struct Step;

    void record(Change change);
    // Takes back or makes again the last step of `from`, which then goes to `to`.
    BookmarkNode* moveLastStep(std::deque<std::unique_ptr<Step>>& from, std::deque<std::unique_ptr<Step>>& to);
    BookmarkNode* apply(Change& change);
    BookmarkNode* replay(Step& step, bool backwards);
    void remeasure(Step& step);
    void discard(Step& step);
    void discardAll(std::deque<std::unique_ptr<Step>>& steps);
    void keepWithinBudget();
    void showState();

    Collection& collection_;
    CollectionView* view_ = nullptr;
    std::size_t budget_ = kDefaultMemoryBudget;
    std::size_t held_ = 0;
    std::deque<std::unique_ptr<Step>> done_;    // oldest first
    std::deque<std::unique_ptr<Step>> undone_;  // next to redo last
    std::unique_ptr<Step> open_;
    int depth_ = 0;
    // States are numbered: each step's number is the state it leads to.
    std::uint64_t lastNumber_ = 0;
    std::uint64_t baseState_ = 0;  // before the oldest step kept
    std::uint64_t savedState_ = 0;
};

// One step for the lifetime of the object.
class EditStep {
public:
    EditStep(EditHistory& history, StepLabel label) : history_(history) { history_.beginStep(std::move(label)); }
    ~EditStep() { history_.endStep(); }
    EditStep(const EditStep&) = delete;
    EditStep& operator=(const EditStep&) = delete;

private:
    EditHistory& history_;
};

// The undo history: typed undo items on a pair of stacks, grouped into user
// actions. The document type is the template argument throughout, so the
// items only rely on the document's unrecorded change operations.
#pragma once

#include <cstddef>
#include <deque>
#include <memory>
#include <string>
#include <utility>

// The active view's caret and scroll state when an item was made.
struct ViewContext {
    int caretLine = 0;
    int caretColumn = 0;
    int scrollX = 0;
    int scrollY = 0;
    bool operator==(const ViewContext&) const = default;
};

struct StrPosition {
    int line;
};

struct CharPosition {
    int line;
    int column;
};

template <class Doc>
class UndoNode {
public:
    explicit UndoNode(bool groupStart) : groupStart(groupStart) {}
    virtual ~UndoNode() = default;
    virtual void undo(Doc& doc) = 0;
    virtual void redo(Doc& doc) = 0;
    // Exchanges the stored view context with the view's current one and applies the stored one.
    virtual void swapViewContext(Doc& doc) = 0;

    bool groupStart;
};

template <class Doc, class Position, class Data>
class UndoItem : public UndoNode<Doc> {
public:
    UndoItem(bool groupStart, Position position, Data data, ViewContext context)
        : UndoNode<Doc>(groupStart), position(position), data(std::move(data)), context(context) {}
    void swapViewContext(Doc& doc) override { doc.swapViewContext(context); }

protected:
    Position position;
    Data data;
    ViewContext context;
};

template <class Doc, class Position, class Data>
class UndoInsertNode : public UndoItem<Doc, Position, Data> {
    using UndoItem<Doc, Position, Data>::UndoItem;
};

template <class Doc, class Position, class Data>
class UndoDeleteNode : public UndoItem<Doc, Position, Data> {
    using UndoItem<Doc, Position, Data>::UndoItem;
};

template <class Doc, class Position, class Data>
class UndoReplaceNode : public UndoItem<Doc, Position, Data> {
    using UndoItem<Doc, Position, Data>::UndoItem;
};

// The inserted line's text is taken when it is undone.
template <class Doc>
class UndoInsertStr : public UndoInsertNode<Doc, StrPosition, std::string> {
public:
    using UndoInsertNode<Doc, StrPosition, std::string>::UndoInsertNode;
    void undo(Doc& doc) override {
        this->data = doc.line(this->position.line);
        doc.rawDeleteLine(this->position.line);
    }
    void redo(Doc& doc) override { doc.rawInsertLine(this->position.line, this->data); }
};

template <class Doc>
class UndoDeleteStr : public UndoDeleteNode<Doc, StrPosition, std::string> {
public:
    using UndoDeleteNode<Doc, StrPosition, std::string>::UndoDeleteNode;
    void undo(Doc& doc) override { doc.rawInsertLine(this->position.line, this->data); }
    void redo(Doc& doc) override { doc.rawDeleteLine(this->position.line); }
};

// Holds the line's other text; undo and redo are the same swap.
template <class Doc>
class UndoReplaceStr : public UndoReplaceNode<Doc, StrPosition, std::string> {
public:
    using UndoReplaceNode<Doc, StrPosition, std::string>::UndoReplaceNode;
    void undo(Doc& doc) override { doc.rawSwapLine(this->position.line, this->data); }
    void redo(Doc& doc) override { doc.rawSwapLine(this->position.line, this->data); }
};

// The inserted character is taken when it is undone.
template <class Doc>
class UndoInsertChar : public UndoInsertNode<Doc, CharPosition, char> {
public:
    using UndoInsertNode<Doc, CharPosition, char>::UndoInsertNode;
    void undo(Doc& doc) override { this->data = doc.rawDeleteChar(this->position.line, this->position.column); }
    void redo(Doc& doc) override { doc.rawInsertChar(this->position.line, this->position.column, this->data); }
};

template <class Doc>
class UndoDeleteChar : public UndoDeleteNode<Doc, CharPosition, char> {
public:
    using UndoDeleteNode<Doc, CharPosition, char>::UndoDeleteNode;
    void undo(Doc& doc) override { doc.rawInsertChar(this->position.line, this->position.column, this->data); }
    void redo(Doc& doc) override { doc.rawDeleteChar(this->position.line, this->position.column); }
};

template <class Doc>
class UndoData {
public:
    using Item = std::unique_ptr<UndoNode<Doc>>;
    // Bounds the memory a long session's history can take.
    static constexpr std::size_t limit = 1024;

    explicit UndoData(Doc& doc) : document(doc) {}
    virtual ~UndoData() = default;

    void record(Item item) {
        if (replaying || !enabled) return;
        redoStack.clear();
        if (undoStack.empty()) item->groupStart = true;
        if (item->groupStart || !newestGroupKnown) {
            newestGroupBegin = item->groupStart ? undoStack.size() : newestGroupStartIndex();
            newestGroupKnown = true;
        }
        undoStack.push_back(std::move(item));
        if (undoStack.size() > limit) dropOlderGroups();
    }

    void undo() {
        if (undoStack.empty()) return;
        newestGroupKnown = false;
        replaying = true;
        UndoNode<Doc>* last = nullptr;
        while (!undoStack.empty()) {
            Item item = std::move(undoStack.back());
            undoStack.pop_back();
            item->undo(document);
            last = item.get();
            redoStack.push_back(std::move(item));
            if (last->groupStart) break;
        }
        last->swapViewContext(document);
        replaying = false;
        if (undoStack.empty() && !truncated) document.setModified(false);
    }

    void redo() {
        if (redoStack.empty()) return;
        newestGroupKnown = false;
        replaying = true;
        // The group's first item took the view's context when it was undone, with the caret where
        // Undo was pressed, after the change: redo goes back there rather than into the redone text.
        UndoNode<Doc>* first = nullptr;
        do {
            Item item = std::move(redoStack.back());
            redoStack.pop_back();
            item->redo(document);
            if (!first) first = item.get();
            undoStack.push_back(std::move(item));
        } while (!redoStack.empty() && !redoStack.back()->groupStart);
        first->swapViewContext(document);
        replaying = false;
        if (!undoStack.empty()) document.setModified(true);
    }

    bool canUndo() const { return !undoStack.empty(); }
    bool canRedo() const { return !redoStack.empty(); }
    std::size_t undoCount() const { return undoStack.size(); }
    bool isTruncated() const { return truncated; }

protected:
    // Whole groups only, oldest first, and never the newest group, however large: a group
    // cut in half could not be undone, and the newest one is what Undo is pressed for.
    void dropOlderGroups() {
        while (undoStack.size() > limit && newestGroupBegin > 0) {
            std::size_t dropped = 0;
            do {
                undoStack.pop_front();
                ++dropped;
            } while (!undoStack.front()->groupStart);
            newestGroupBegin -= dropped;
            truncated = true;
        }
    }

    std::size_t newestGroupStartIndex() const {
        std::size_t i = undoStack.size();
        while (i > 0 && !undoStack[i - 1]->groupStart) --i;
        return i > 0 ? i - 1 : 0;
    }

    Doc& document;
    bool truncated = false;
    bool enabled = true;
    bool replaying = false;
    std::deque<Item> undoStack;  // newest at the back
    std::deque<Item> redoStack;  // most recently undone at the back
    // Where the newest group starts in the undo stack, kept up as items are recorded.
    std::size_t newestGroupBegin = 0;
    bool newestGroupKnown = true;
};

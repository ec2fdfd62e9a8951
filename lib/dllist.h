// Linked lists of pointers, linked forward with a tail for appending.  A
// list never owns what it points to; insert puts an element first, append
// puts it last, and iteration runs from the head.
#ifndef QUORVEX_LIB_DLLIST_H
#define QUORVEX_LIB_DLLIST_H

#include <cstddef>

#include "lib/Arena.h"
#include "lib/String.h"

// Lists are almost all parts of the tree, which lives for the whole run,
// so their links come from the arena.
struct GenDLListNode : arena::Object {
    void* element;
    GenDLListNode* next;
};

class GenDLList {
public:
    GenDLList() = default;
    GenDLList(const GenDLList&) = delete;
    GenDLList& operator=(const GenDLList&) = delete;
    ~GenDLList();

    GenDLListNode* head() const { return head_; }
    GenDLListNode* tail() const { return tail_; }
    int length() const { return length_; }
    bool empty() const { return length_ == 0; }

protected:
    void gen_insert(void* e);
    void gen_append(void* e);
    void gen_insert_after(GenDLListNode* at, void* e);

private:
    GenDLListNode* head_ = nullptr;
    GenDLListNode* tail_ = nullptr;
    int length_ = 0;
};

template <class T> class DLListIter;

template <class T>
class DLList : public GenDLList {
public:
    DLList() = default;
    explicit DLList(T& first) { append(first); }

    void insert(const T& e) { gen_insert(const_cast<T*>(&e)); }
    void append(const T& e) { gen_append(const_cast<T*>(&e)); }
    void insert_after(const DLListIter<T>& it, const T& e);

    T* first() const { return head() ? static_cast<T*>(head()->element) : nullptr; }
    T* last() const { return tail() ? static_cast<T*>(tail()->element) : nullptr; }
};

template <class T>
class DLListIter {
public:
    explicit DLListIter(const DLList<T>& l) : node_(l.head()) {}
    operator int() const { return node_ != nullptr; }
    T& entry() const { return *static_cast<T*>(node_->element); }
    T* ptr() const { return static_cast<T*>(node_->element); }
    void next() { node_ = node_->next; }
    GenDLListNode* node() const { return node_; }

private:
    GenDLListNode* node_;
};

template <class T>
void DLList<T>::insert_after(const DLListIter<T>& it, const T& e) {
    gen_insert_after(it.node(), const_cast<T*>(&e));
}

using StringList = DLList<String>;

#endif

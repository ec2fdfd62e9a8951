#include "lib/dllist.h"

GenDLList::~GenDLList() {
    GenDLListNode* n = head_;
    while (n) {
        GenDLListNode* next = n->next;
        delete n;
        n = next;
    }
}

void GenDLList::gen_insert(void* e) {
    GenDLListNode* n = new GenDLListNode{{}, e, head_};
    if (!head_) tail_ = n;
    head_ = n;
    ++length_;
}

void GenDLList::gen_append(void* e) {
    GenDLListNode* n = new GenDLListNode{{}, e, nullptr};
    if (tail_) tail_->next = n; else head_ = n;
    tail_ = n;
    ++length_;
}

void GenDLList::gen_insert_after(GenDLListNode* at, void* e) {
    if (!at) { gen_append(e); return; }
    GenDLListNode* n = new GenDLListNode{{}, e, at->next};
    if (!at->next) tail_ = n;
    at->next = n;
    ++length_;
}

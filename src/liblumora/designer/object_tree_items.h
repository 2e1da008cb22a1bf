#pragma once

#include <string>
#include <vector>

namespace lumora {

class CLumoraDoc;

enum class TreeItemKind { Application, Form, Component, Bitmap };

// One row of the Object View, in insertion order; parents come before their children.
struct ObjectTreeItem {
    std::u16string text;
    TreeItemKind kind = TreeItemKind::Application;
    int parent = -1;           // index into the list; -1 for the application item
    bool makeVisible = false;  // scroll to it and expand its parents after the rebuild
    friend bool operator==(const ObjectTreeItem&, const ObjectTreeItem&) = default;
};

// What the Object View shows of the document: the application, its forms with their
// components, then its bitmaps. The Spin objects are not listed.
std::vector<ObjectTreeItem> ObjectTreeItems(const CLumoraDoc& doc);

// The position of the item's picture in the tree's image strip.
int TreeImageIndex(TreeItemKind kind);

}  // namespace lumora

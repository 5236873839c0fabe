#include "main_window/form1.h"

namespace kestravo {

using runtime::ListBox;
using runtime::Ref;

void Form1::Command9_Click() {
    clearLists(resultList(1));
}
void Form1::Command10_Click() {
    clearLists(resultList(2));
}
void Form1::Command11_Click() {
    clearLists(resultList(3));
}
void Form1::Command12_Click() {
    clearLists(resultList(4));
}
void Form1::Command13_Click() {
    clearLists(resultList(5));
}
void Form1::Command14_Click() {
    clearLists(resultList(6));
}
void Form1::Command15_Click() {
    clearLists(resultList(7));
}
void Form1::Command16_Click() {
    clearLists(kResultLists);
}

void Form1::clearLists(std::span<const std::string_view> lists) {
    // One reference at a time: each list is fetched afresh and released before the next.
    Ref<ListBox> listSlot;
    for (const std::string_view list : lists) {
        runtime::vbaObjSet(listSlot, control<ListBox>(list));
        program().check(listSlot->Clear(), runtime::kListBoxInterface);
        runtime::vbaFreeObj(listSlot);
    }
}

}  // namespace kestravo

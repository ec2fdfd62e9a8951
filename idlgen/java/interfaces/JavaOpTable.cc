#include "idlgen/java/interfaces/JavaOpTable.h"

#include "ast/tree/decl.h"
#include "ast/tree/declarator.h"
#include "ast/tree/types.h"
#include "idlgen/java/interfaces/JavaGetDeclarator.h"
#include "idlgen/java/interfaces/JavaOpDeclarator.h"
#include "idlgen/java/interfaces/JavaSetDeclarator.h"

static const char* const propertyName = "JavaOpTable";

const JavaOpTable& JavaOpTable::of(const InterfaceTypeSpec& iface) {
    auto* table = static_cast<JavaOpTable*>(iface.get_data(propertyName));
    if (!table) {
        table = new JavaOpTable(iface);
        const_cast<InterfaceTypeSpec&>(iface).set_data(propertyName, table);
    }
    return *table;
}

JavaOpTable::JavaOpTable(const InterfaceTypeSpec& iface) {
    int index = 0;
    for (TblIter<const void*, IntfExport> it(iface.get_export_tbl()); it; it.next()) {
        const Declarator& d = it.entry().get_declarator();
        switch (d.get_tag()) {
        case Array_DeclaratorTag:
            if (!d.is_typedefd())
                list.push_back(Entry{Fault, &d, -1,
                                     (d.get_decl().get_flags() & Decl::ATTRIBUTE)
                                         ? "Cannot declare array attribute"
                                         : "Declaration without `typedef' or `attribute'",
                                     nullptr});
            break;
        case Init_DeclaratorTag:
        case EnumEntry_DeclaratorTag:
        case TypeSpec_DeclaratorTag:
            break;
        case Op_DeclaratorTag:
            slots += 1;
            list.push_back(Entry{Operation, &d, index++, nullptr, new JavaOpDeclarator(OpDeclarator::narrow(d))});
            break;
        case Simple_DeclaratorTag:
            slots += d.is_readonly() ? 1 : 2;
            if (d.is_typedefd()) break;
            if (!(d.get_decl().get_flags() & Decl::ATTRIBUTE)) {
                list.push_back(Entry{Fault, &d, -1, "Declaration without `typedef' or `attribute'", nullptr});
                break;
            }
            list.push_back(Entry{Getter, &d, index++, nullptr, new JavaGetDeclarator(SimpleDeclarator::narrow(d))});
            if (!d.is_readonly())
                list.push_back(Entry{Setter, &d, index++, nullptr, new JavaSetDeclarator(SimpleDeclarator::narrow(d))});
            break;
        case Bad_DeclaratorTag:
            list.push_back(Entry{Fault, &d, -1, nullptr, nullptr});
            break;
        }
    }
    numbered = index;
}

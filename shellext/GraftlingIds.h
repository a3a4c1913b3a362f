#pragma once
#include <windows.h>

// Class identifier of Graftling's in-process server:
// {60BCFAF0-EF96-43DA-B64C-1793B01B70DE}
static const CLSID CLSID_Graftling = {
    0x60bcfaf0, 0xef96, 0x43da, {0xb6, 0x4c, 0x17, 0x93, 0xb0, 0x1b, 0x70, 0xde}};

// The same in the registry's form, as Graftling writes it under CLSID.
constexpr char kGraftlingClsidText[] = "{60BCFAF0-EF96-43DA-B64C-1793B01B70DE}";

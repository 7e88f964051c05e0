#include "devices/catalogue.h"

#include <array>

namespace lpt {
namespace {

using std::string_view;
using L = Layout;

constexpr string_view r1[] = {"16F877A"};
constexpr string_view r2[] = {"12F629/675", "16F630/676"};
constexpr string_view r3[] = {"16F84", "16F84A"};
constexpr string_view r4[] = {"16F83"};
constexpr string_view r5[] = {"16C84"};
constexpr string_view r6[] = {"16C61", "16C71"};
constexpr string_view r7[] = {"16C62", "16C64"};
constexpr string_view r8[] = {"16C65", "16C73", "16C74"};
constexpr string_view r9[] = {"16C62A", "16C62B",  "16C64A", "16C72",  "16C72A",
                              "16C622", "16C622A", "16C716", "16CE625"};
constexpr string_view r10[] = {"16C63",  "16C63A", "16C65A", "16C65B",
                               "16C73A", "16C73B", "16C74A", "16C74B"};
constexpr string_view r11[] = {"16C66", "16C67", "16C76", "16C77"};
constexpr string_view r12[] = {"16C620", "16CE623"};
constexpr string_view r13[] = {"16C620A"};
constexpr string_view r14[] = {"16C621A", "16C712"};
constexpr string_view r15[] = {"16C621", "16CE624"};
constexpr string_view r16[] = {"16C710"};
constexpr string_view r17[] = {"16C711"};
constexpr string_view r18[] = {"16C773", "16C774"};
constexpr string_view r19[] = {"16C745", "16C765"};
constexpr string_view r20[] = {"16C923", "16C924"};
constexpr string_view r21[] = {"16C925"};
constexpr string_view r22[] = {"16C926"};
constexpr string_view r23[] = {"16C554"};
constexpr string_view r24[] = {"16C556"};
constexpr string_view r25[] = {"16C558"};
constexpr string_view r26[] = {"12C508", "12C508A", "12CE518"};
constexpr string_view r27[] = {"12C509", "12C509A", "12CE519"};
constexpr string_view r28[] = {"16C505"};
constexpr string_view r29[] = {"12C671", "12CE673"};
constexpr string_view r30[] = {"12C672", "12CE674"};
constexpr string_view r31[] = {"14C000"};
constexpr string_view r32[] = {"16F627"};
constexpr string_view r33[] = {"16F628"};
constexpr string_view r34[] = {"16F627A"};
constexpr string_view r35[] = {"16F628A"};
constexpr string_view r36[] = {"16F870", "16F871", "16F872"};
constexpr string_view r37[] = {"16F873", "16F874"};
constexpr string_view r38[] = {"16F876", "16F877"};

// names, family, program rows, data rows, config mask, layout, info page
constexpr std::array<CatalogueRow, 38> kRows{{
    {r1, 30, 1024, 32, 0x2FCF, L::Plocha_30, 30}, {r2, 28, 128, 16, 0x01FF, L::Plocha_28, 28},
    {r3, 1, 128, 8, 0x3FFF, L::Plocha_1, 0},      {r4, 1, 64, 8, 0x3FFF, L::Plocha_1, 0},
    {r5, 1, 128, 8, 0x001F, L::Plocha_3, 0},      {r6, 4, 128, 0, 0x001F, L::Plocha_4, 0},
    {r7, 4, 256, 0, 0x003F, L::Plocha_5, 1},      {r8, 4, 512, 0, 0x003F, L::Plocha_5, 1},
    {r9, 4, 256, 0, 0x3F7F, L::Plocha_7, 1},      {r10, 4, 512, 0, 0x3F7F, L::Plocha_7, 1},
    {r11, 4, 1024, 0, 0x3F7F, L::Plocha_7, 1},    {r12, 4, 64, 0, 0x3F7F, L::Plocha_7, 2},
    {r13, 4, 64, 0, 0x3F7F, L::Plocha_7, 1},      {r14, 4, 128, 0, 0x3F7F, L::Plocha_7, 1},
    {r15, 4, 128, 0, 0x3F7F, L::Plocha_7, 3},     {r16, 4, 64, 0, 0x3FFF, L::Plocha_10, 4},
    {r17, 4, 128, 0, 0x3FFF, L::Plocha_10, 4},    {r18, 4, 512, 0, 0x3F7F, L::Plocha_11, 5},
    {r19, 4, 1024, 0, 0x3F3F, L::Plocha_12, 6},   {r20, 4, 512, 0, 0x3F3F, L::Plocha_13, 1},
    {r21, 4, 512, 0, 0x007F, L::Plocha_14, 7},    {r22, 4, 1024, 0, 0x007F, L::Plocha_14, 8},
    {r23, 17, 64, 0, 0x3F3F, L::Plocha_17, 12},   {r24, 17, 128, 0, 0x3F3F, L::Plocha_17, 13},
    {r25, 17, 256, 0, 0x3F3F, L::Plocha_17, 1},   {r26, 20, 64, 0, 0x001F, L::Plocha_20, 10},
    {r27, 20, 128, 0, 0x001F, L::Plocha_20, 10},  {r28, 21, 128, 0, 0x0FFF, L::Plocha_21, 11},
    {r29, 22, 128, 0, 0x3FFF, L::Plocha_22, 14},  {r30, 22, 256, 0, 0x3FFF, L::Plocha_22, 14},
    {r31, 24, 512, 0, 0x3FBD, L::Plocha_24, 15},  {r32, 25, 128, 16, 0x3DFF, L::Plocha_25, 16},
    {r33, 25, 256, 16, 0x3DFF, L::Plocha_25, 17}, {r34, 40, 128, 16, 0x21FF, L::Plocha_40, 40},
    {r35, 40, 256, 16, 0x21FF, L::Plocha_40, 40}, {r36, 27, 256, 8, 0x33FF, L::Plocha_27, 18},
    {r37, 27, 512, 16, 0x33FF, L::Plocha_27, 19}, {r38, 27, 1024, 32, 0x33FF, L::Plocha_27, 20},
}};

constexpr std::array<const char*, kLayoutCount> kLayoutNames{
    "Plocha_1",  "Plocha_3",  "Plocha_4",  "Plocha_5",  "Plocha_7",  "Plocha_10", "Plocha_11",
    "Plocha_12", "Plocha_13", "Plocha_14", "Plocha_17", "Plocha_20", "Plocha_21", "Plocha_22",
    "Plocha_24", "Plocha_25", "Plocha_27", "Plocha_28", "Plocha_30", "Plocha_40",
};

}  // namespace

const char* LayoutName(Layout layout) { return kLayoutNames[static_cast<std::size_t>(layout)]; }

std::span<const CatalogueRow> CatalogueRows() { return kRows; }

std::vector<std::string_view> CatalogueNames() {
  std::vector<std::string_view> names;
  for (const CatalogueRow& row : kRows)
    names.insert(names.end(), row.names.begin(), row.names.end());
  return names;
}

const CatalogueRow* FindDevice(std::string_view name) {
  for (const CatalogueRow& row : kRows)
    for (std::string_view n : row.names)
      if (n == name) return &row;
  return nullptr;
}

}  // namespace lpt

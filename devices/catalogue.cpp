#include "devices/catalogue.h"

#include <array>

namespace lpt {
namespace {

using std::string_view;
using F = Family;
using L = FuseLayout;

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
// The 16F877A's 28-pin and 4K siblings and the 16F627A/628A's 4K sibling,
// placed after the older rows so that those keep their order.
constexpr string_view r39[] = {"16F873A", "16F874A"};
constexpr string_view r40[] = {"16F876A"};
constexpr string_view r41[] = {"16F648A"};

// Program and data sizes are in rows of eight words or bytes.
// clang-format off
constexpr std::array<CatalogueRow, 41> kRows{{
    {.names = r1, .family = F::Pic16F87xA, .programRows = 1024, .dataRows = 32, .configMask = 0x2FCF, .layout = L::L30, .infoPage = 30},
    {.names = r2, .family = F::Pic12F6xx, .programRows = 128, .dataRows = 16, .configMask = 0x01FF, .layout = L::L28, .infoPage = 28},
    {.names = r3, .family = F::Pic16F84, .programRows = 128, .dataRows = 8},
    {.names = r4, .family = F::Pic16F84, .programRows = 64, .dataRows = 8},
    {.names = r5, .family = F::Pic16F84, .programRows = 128, .dataRows = 8, .configMask = 0x001F, .layout = L::L3},
    {.names = r6, .family = F::Pic16C6x, .programRows = 128, .configMask = 0x001F, .layout = L::L4},
    {.names = r7, .family = F::Pic16C6x, .programRows = 256, .configMask = 0x003F, .layout = L::L5, .infoPage = 1},
    {.names = r8, .family = F::Pic16C6x, .programRows = 512, .configMask = 0x003F, .layout = L::L5, .infoPage = 1},
    {.names = r9, .family = F::Pic16C6x, .programRows = 256, .configMask = 0x3F7F, .layout = L::L7, .infoPage = 1},
    {.names = r10, .family = F::Pic16C6x, .programRows = 512, .configMask = 0x3F7F, .layout = L::L7, .infoPage = 1},
    {.names = r11, .family = F::Pic16C6x, .programRows = 1024, .configMask = 0x3F7F, .layout = L::L7, .infoPage = 1},
    {.names = r12, .family = F::Pic16C6x, .programRows = 64, .configMask = 0x3F7F, .layout = L::L7, .infoPage = 2},
    {.names = r13, .family = F::Pic16C6x, .programRows = 64, .configMask = 0x3F7F, .layout = L::L7, .infoPage = 1},
    {.names = r14, .family = F::Pic16C6x, .programRows = 128, .configMask = 0x3F7F, .layout = L::L7, .infoPage = 1},
    {.names = r15, .family = F::Pic16C6x, .programRows = 128, .configMask = 0x3F7F, .layout = L::L7, .infoPage = 3},
    {.names = r16, .family = F::Pic16C6x, .programRows = 64, .layout = L::L10, .infoPage = 4},
    {.names = r17, .family = F::Pic16C6x, .programRows = 128, .layout = L::L10, .infoPage = 4},
    {.names = r18, .family = F::Pic16C6x, .programRows = 512, .configMask = 0x3F7F, .layout = L::L11, .infoPage = 5},
    {.names = r19, .family = F::Pic16C6x, .programRows = 1024, .configMask = 0x3F3F, .layout = L::L12, .infoPage = 6},
    {.names = r20, .family = F::Pic16C6x, .programRows = 512, .configMask = 0x3F3F, .layout = L::L13, .infoPage = 1},
    {.names = r21, .family = F::Pic16C6x, .programRows = 512, .configMask = 0x007F, .layout = L::L14, .infoPage = 7},
    {.names = r22, .family = F::Pic16C6x, .programRows = 1024, .configMask = 0x007F, .layout = L::L14, .infoPage = 8},
    {.names = r23, .family = F::Pic16C55x, .programRows = 64, .configMask = 0x3F3F, .layout = L::L17, .infoPage = 12},
    {.names = r24, .family = F::Pic16C55x, .programRows = 128, .configMask = 0x3F3F, .layout = L::L17, .infoPage = 13},
    {.names = r25, .family = F::Pic16C55x, .programRows = 256, .configMask = 0x3F3F, .layout = L::L17, .infoPage = 1},
    {.names = r26, .family = F::Pic12C50x, .programRows = 64, .configMask = 0x001F, .layout = L::L20, .infoPage = 10},
    {.names = r27, .family = F::Pic12C50x, .programRows = 128, .configMask = 0x001F, .layout = L::L20, .infoPage = 10},
    {.names = r28, .family = F::Pic16C505, .programRows = 128, .configMask = 0x0FFF, .layout = L::L21, .infoPage = 11},
    {.names = r29, .family = F::Pic12C67x, .programRows = 128, .layout = L::L22, .infoPage = 14},
    {.names = r30, .family = F::Pic12C67x, .programRows = 256, .layout = L::L22, .infoPage = 14},
    {.names = r31, .family = F::Pic14C000, .programRows = 512, .configMask = 0x3FBD, .layout = L::L24, .infoPage = 15},
    {.names = r32, .family = F::Pic16F62x, .programRows = 128, .dataRows = 16, .configMask = 0x3DFF, .layout = L::L25, .infoPage = 16},
    {.names = r33, .family = F::Pic16F62x, .programRows = 256, .dataRows = 16, .configMask = 0x3DFF, .layout = L::L25, .infoPage = 17},
    {.names = r34, .family = F::Pic16F62xA, .programRows = 128, .dataRows = 16, .configMask = 0x21FF, .layout = L::L40, .infoPage = 40},
    {.names = r35, .family = F::Pic16F62xA, .programRows = 256, .dataRows = 16, .configMask = 0x21FF, .layout = L::L40, .infoPage = 40},
    {.names = r36, .family = F::Pic16F87x, .programRows = 256, .dataRows = 8, .configMask = 0x33FF, .layout = L::L27, .infoPage = 18},
    {.names = r37, .family = F::Pic16F87x, .programRows = 512, .dataRows = 16, .configMask = 0x33FF, .layout = L::L27, .infoPage = 19},
    {.names = r38, .family = F::Pic16F87x, .programRows = 1024, .dataRows = 32, .configMask = 0x33FF, .layout = L::L27, .infoPage = 20},
    {.names = r39, .family = F::Pic16F87xA, .programRows = 512, .dataRows = 16, .configMask = 0x2FCF, .layout = L::L30, .infoPage = 31},
    {.names = r40, .family = F::Pic16F87xA, .programRows = 1024, .dataRows = 32, .configMask = 0x2FCF, .layout = L::L30, .infoPage = 30},
    {.names = r41, .family = F::Pic16F62xA, .programRows = 512, .dataRows = 32, .configMask = 0x21FF, .layout = L::L40, .infoPage = 40},
}};
// clang-format on

constexpr std::array<int, kFuseLayoutCount> kLayoutNumbers{1,  3,  4,  5,  7,  10, 11, 12, 13, 14,
                                                           17, 20, 21, 22, 24, 25, 27, 28, 30, 40};

}  // namespace

int FuseLayoutNumber(FuseLayout layout) { return kLayoutNumbers[static_cast<std::size_t>(layout)]; }

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

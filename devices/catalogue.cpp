// SPDX-License-Identifier: GPL-2.0-or-later
// The catalogue's records. A part is one record; a sibling is written as its
// parent plus what differs (Like), so only the differences need checking.
//
// Sources: program words and data bytes as gputils' linker scripts give
// them (16f877a_g.lkr and the like), configuration masks as the options of
// gputils' processor headers (p16f877a.inc and the like) set bits, except
// where a note says otherwise; device IDs from the makers' programming
// specifications named beside them (gputils' headers agree on which parts
// have one: those that define _DEVID1 at 2006h); packages from the makers'
// data sheets (the dual-in-line package a part is programmed in).
#include "devices/catalogue.h"

#include <array>
#include <cstdio>
#include <cstdlib>

namespace lpt {
namespace {

using R = DeviceRecord;
using F = Family;
using L = FuseLayout;
using P = Package;
using I = InfoPage;
constexpr std::uint16_t kId = kDeviceIdWithoutRevision;

struct NoChange {
  constexpr void operator()(R&) const {}
};

// A sibling: the parent's record under another name. Group names and device
// IDs are never inherited: a sibling states its own.
template <typename Edit = NoChange>
constexpr R Like(R parent, std::string_view name, Edit edit = {}) {
  parent.name = name;
  parent.partNames = {};
  parent.deviceIds = {};
  edit(parent);
  return parent;
}

// clang-format off

// 16F87xA: device IDs from DS39589.
constexpr R k16F877A{.name = "16F877A", .family = F::Pic16F87xA, .programWords = 8192, .dataBytes = 256, .configMasks = {0x2FCF}, .fuseLayout = L::Pic16F87xA, .package = P::Dip40, .deviceIds = {0x0E20}, .deviceIdMask = kId, .infoPage = I::Pic16F87xA8K};
constexpr R k16F873A = Like(k16F877A, "16F873A", [](R& r) { r.programWords = 4096; r.dataBytes = 128; r.package = P::Dip28; r.deviceIds = {0x0E40}; r.infoPage = I::Pic16F87xA4K; });

// 12F629/675 and 16F630/676: device IDs from DS41191.
constexpr R k12F629{.name = "12F629/675", .partNames = {"12F629", "12F675"}, .family = F::Pic12F6xx, .programWords = 1024, .dataBytes = 128, .configMasks = {0x01FF}, .fuseLayout = L::Pic12F6xx, .package = P::Dip8, .deviceIds = {0x0F80, 0x0FC0}, .deviceIdMask = kId, .infoPage = I::Pic12F629};

// 16F83/84/84A (DS30262: only the 16F84A has a device ID) and 16C84.
constexpr R k16F84{.name = "16F84", .family = F::Pic16F84, .programWords = 1024, .dataBytes = 64};

// 14-bit EPROM parts, no device IDs.
constexpr R k16C61{.name = "16C61", .family = F::Pic16C6x, .programWords = 1024, .configMasks = {0x001F}, .fuseLayout = L::Pic16C61};
constexpr R k16C62{.name = "16C62", .family = F::Pic16C6x, .programWords = 2048, .configMasks = {0x003F}, .fuseLayout = L::Pic16C62, .package = P::Dip28, .infoPage = I::CodeProtectQuarters};
constexpr R k16C62A{.name = "16C62A", .family = F::Pic16C6x, .programWords = 2048, .configMasks = {0x3F7F}, .fuseLayout = L::Pic16C62A, .package = P::Dip28, .infoPage = I::CodeProtectQuarters};
constexpr R k16C63 = Like(k16C62A, "16C63", [](R& r) { r.programWords = 4096; });
constexpr R k16C66 = Like(k16C62A, "16C66", [](R& r) { r.programWords = 8192; });
constexpr R k16C620 = Like(k16C62A, "16C620", [](R& r) { r.programWords = 512; r.package = P::Dip18; r.infoPage = I::Pic16C620; });
constexpr R k16C621A = Like(k16C62A, "16C621A", [](R& r) { r.programWords = 1024; r.package = P::Dip18; });
constexpr R k16C621 = Like(k16C621A, "16C621", [](R& r) { r.infoPage = I::Pic16C621; });
constexpr R k16C710{.name = "16C710", .family = F::Pic16C6x, .programWords = 512, .fuseLayout = L::Pic16C71x, .infoPage = I::Pic16C71x};
constexpr R k16C773{.name = "16C773", .family = F::Pic16C6x, .programWords = 4096, .configMasks = {0x3F7F}, .fuseLayout = L::Pic16C77x, .package = P::Dip28, .infoPage = I::Pic16C77x};
constexpr R k16C745{.name = "16C745", .family = F::Pic16C6x, .programWords = 8192, .configMasks = {0x3F3F}, .fuseLayout = L::Pic16C7x5, .package = P::Dip28, .infoPage = I::Pic16C7x5};
// The 16C92x come in 64- and 68-pin packages; the wiring is for the 68-pin one.
constexpr R k16C923{.name = "16C923", .family = F::Pic16C6x, .programWords = 4096, .configMasks = {0x3F3F}, .fuseLayout = L::Pic16C923, .package = P::Plcc68, .wiring = Wiring::Pic16C92x, .infoPage = I::CodeProtectQuarters};
constexpr R k16C925 = Like(k16C923, "16C925", [](R& r) { r.configMasks = {0x007F}; r.fuseLayout = L::Pic16C925; r.infoPage = I::Pic16C925; });
constexpr R k16C554{.name = "16C554", .family = F::Pic16C55x, .programWords = 512, .configMasks = {0x3F3F}, .fuseLayout = L::Pic16C55x, .infoPage = I::Pic16C554};
constexpr R k12C508{.name = "12C508", .family = F::Pic12C50x, .programWords = 512, .configMasks = {0x001F}, .fuseLayout = L::Pic12C50x, .package = P::Dip8, .infoPage = I::Pic12C50x};
constexpr R k12C509 = Like(k12C508, "12C509", [](R& r) { r.programWords = 1024; });
constexpr R k12C671{.name = "12C671", .family = F::Pic12C67x, .programWords = 1024, .fuseLayout = L::Pic12C67x, .package = P::Dip8, .infoPage = I::Pic12C67x};
constexpr R k12C672 = Like(k12C671, "12C672", [](R& r) { r.programWords = 2048; });

// 16F627/628: device IDs from DS30034.
constexpr R k16F627{.name = "16F627", .family = F::Pic16F62x, .programWords = 1024, .dataBytes = 128, .configMasks = {0x3DFF}, .fuseLayout = L::Pic16F62x, .deviceIds = {0x07A0}, .deviceIdMask = kId, .infoPage = I::Pic16F627};
// 16F627A/628A/648A: device IDs from DS41196.
constexpr R k16F627A{.name = "16F627A", .family = F::Pic16F62xA, .programWords = 1024, .dataBytes = 128, .configMasks = {0x21FF}, .fuseLayout = L::Pic16F62xA, .deviceIds = {0x1040}, .deviceIdMask = kId, .infoPage = I::Pic16F62xA};
// 16F87x: device IDs from DS39025. The mask leaves out bit 11 (DEBUG),
// which p16f877.inc lists.
constexpr R k16F870{.name = "16F870", .family = F::Pic16F87x, .programWords = 2048, .dataBytes = 64, .configMasks = {0x33FF}, .fuseLayout = L::Pic16F87x, .package = P::Dip28, .deviceIds = {0x0D00}, .deviceIdMask = kId, .infoPage = I::Pic16F87x2K};
constexpr R k16F873 = Like(k16F870, "16F873", [](R& r) { r.programWords = 4096; r.dataBytes = 128; r.deviceIds = {0x0960}; r.infoPage = I::Pic16F87x4K; });
constexpr R k16F876 = Like(k16F870, "16F876", [](R& r) { r.programWords = 8192; r.dataBytes = 256; r.deviceIds = {0x09E0}; r.infoPage = I::Pic16F87x8K; });

// 12-bit flash parts, without device IDs. Program words (the OSCCAL word
// included) are the program CODEPAGEs of gputils' <part>_g.lkr, and the ID
// words its .idlocs right above them; masks are the bits the options of
// p<part>.inc clear. Programming specifications: DS41228 (10F200-206),
// DS41266 (10F220/222), DS41227 (12F508/509), DS41226 (16F505), DS41257
// (12F510), DS41258 (16F506), DS41207 (16F54), DS41208 (16F57), DS41243
// (16F59). Packages and programming pins from the data sheets (Piklab's
// device files list the same pins).
// 10f200_g.lkr page 000-0FF, .idlocs 100-103; p10f200.inc: WDTE 4, CP 8, MCLRE 10 (the one oscillator setting clears nothing).
constexpr R k10F200{.name = "10F200", .family = F::Pic12F5xx, .programWords = 256, .configMasks = {0x001C}, .fuseLayout = L::Pic10F20x, .package = P::Sot23_6, .wiring = Wiring::IcspCable};
// 10f220_g.lkr page 000-0FF; p10f220.inc: IOSCFS 1, MCPU 2, WDTE 4, CP 8, MCLRE 10.
constexpr R k10F220 = Like(k10F200, "10F220", [](R& r) { r.configMasks = {0x001F}; r.fuseLayout = L::Pic10F22x; });
// 12f508_g.lkr page 000-1FF, .idlocs 200-203; p12f508.inc: FOSC 3, WDT 4, CP 8, MCLRE 10.
constexpr R k12F508{.name = "12F508", .family = F::Pic12F5xx, .programWords = 512, .configMasks = {0x001F}, .fuseLayout = L::Pic12F50x, .package = P::Dip8};
// 16f505_g.lkr page0-page1 000-3FF, .idlocs 400-403; p16f505.inc: FOSC 7, WDT 8, CP 10, MCLRE 20.
constexpr R k16F505{.name = "16F505", .family = F::Pic12F5xx, .programWords = 1024, .configMasks = {0x003F}, .fuseLayout = L::Pic16F505, .package = P::Dip14};
// 16f54_g.lkr page 000-1FF, .idlocs 200-203; p16f54.inc: FOSC 3, WDT 4, CP 8.
constexpr R k16F54{.name = "16F54", .family = F::Pic16F5x, .programWords = 512, .configMasks = {0x000F}, .fuseLayout = L::Pic16F5x};

// In table order. Later parts go at the end, so that the order of the
// earlier ones, which `lptpic-cli devices` prints, stays.
constexpr std::array kDevices{
    k16F877A,
    k12F629,
    Like(k12F629, "16F630/676", [](R& r) { r.partNames = {"16F630", "16F676"}; r.package = P::Dip14; r.deviceIds = {0x10C0, 0x10E0}; r.infoPage = I::Pic16F630; }),
    k16F84,
    Like(k16F84, "16F84A", [](R& r) { r.deviceIds = {0x0560}; r.deviceIdMask = kId; }),
    Like(k16F84, "16F83", [](R& r) { r.programWords = 512; }),
    Like(k16F84, "16C84", [](R& r) { r.configMasks = {0x001F}; r.fuseLayout = L::Pic16C84; }),
    k16C61,
    Like(k16C61, "16C71"),
    k16C62,
    Like(k16C62, "16C64", [](R& r) { r.package = P::Dip40; }),
    Like(k16C62, "16C65", [](R& r) { r.programWords = 4096; r.package = P::Dip40; }),
    Like(k16C62, "16C73", [](R& r) { r.programWords = 4096; }),
    Like(k16C62, "16C74", [](R& r) { r.programWords = 4096; r.package = P::Dip40; }),
    k16C62A,
    Like(k16C62A, "16C62B"),
    Like(k16C62A, "16C64A", [](R& r) { r.package = P::Dip40; }),
    Like(k16C62A, "16C72"),
    Like(k16C62A, "16C72A"),
    Like(k16C62A, "16C622", [](R& r) { r.package = P::Dip18; }),
    Like(k16C62A, "16C622A", [](R& r) { r.package = P::Dip18; }),
    Like(k16C62A, "16C716", [](R& r) { r.package = P::Dip18; }),
    Like(k16C62A, "16CE625", [](R& r) { r.package = P::Dip18; }),
    k16C63,
    Like(k16C63, "16C63A"),
    Like(k16C63, "16C65A", [](R& r) { r.package = P::Dip40; }),
    Like(k16C63, "16C65B", [](R& r) { r.package = P::Dip40; }),
    Like(k16C63, "16C73A"),
    Like(k16C63, "16C73B"),
    Like(k16C63, "16C74A", [](R& r) { r.package = P::Dip40; }),
    Like(k16C63, "16C74B", [](R& r) { r.package = P::Dip40; }),
    k16C66,
    Like(k16C66, "16C67", [](R& r) { r.package = P::Dip40; }),
    Like(k16C66, "16C76"),
    Like(k16C66, "16C77", [](R& r) { r.package = P::Dip40; }),
    k16C620,
    Like(k16C620, "16CE623"),
    Like(k16C620, "16C620A", [](R& r) { r.infoPage = I::CodeProtectQuarters; }),
    k16C621A,
    Like(k16C621A, "16C712"),
    k16C621,
    Like(k16C621, "16CE624"),
    k16C710,
    Like(k16C710, "16C711", [](R& r) { r.programWords = 1024; }),
    k16C773,
    Like(k16C773, "16C774", [](R& r) { r.package = P::Dip40; }),
    k16C745,
    Like(k16C745, "16C765", [](R& r) { r.package = P::Dip40; }),
    k16C923,
    Like(k16C923, "16C924"),
    k16C925,
    Like(k16C925, "16C926", [](R& r) { r.programWords = 8192; r.infoPage = I::Pic16C926; }),
    k16C554,
    Like(k16C554, "16C556", [](R& r) { r.programWords = 1024; r.infoPage = I::Pic16C556; }),
    Like(k16C554, "16C558", [](R& r) { r.programWords = 2048; r.infoPage = I::CodeProtectQuarters; }),
    k12C508,
    Like(k12C508, "12C508A"),
    Like(k12C508, "12CE518"),
    k12C509,
    Like(k12C509, "12C509A"),
    Like(k12C509, "12CE519"),
    R{.name = "16C505", .family = F::Pic16C505, .programWords = 1024, .configMasks = {0x0FFF}, .fuseLayout = L::Pic16C505, .package = P::Dip14, .infoPage = I::Pic16C505},
    k12C671,
    Like(k12C671, "12CE673"),
    k12C672,
    Like(k12C672, "12CE674"),
    // gputils has no header for the 14C000: nothing checks its mask against
    // one.
    R{.name = "14C000", .family = F::Pic14C000, .programWords = 4096, .configMasks = {0x3FBD}, .fuseLayout = L::Pic14C000, .package = P::Dip28, .wiring = Wiring::Pic14C000, .infoPage = I::Pic14C000},
    k16F627,
    Like(k16F627, "16F628", [](R& r) { r.programWords = 2048; r.deviceIds = {0x07C0}; r.infoPage = I::Pic16F628; }),
    k16F627A,
    Like(k16F627A, "16F628A", [](R& r) { r.programWords = 2048; r.deviceIds = {0x1060}; }),
    k16F870,
    Like(k16F870, "16F871", [](R& r) { r.package = P::Dip40; r.deviceIds = {0x0D20}; }),
    Like(k16F870, "16F872", [](R& r) { r.deviceIds = {0x08E0}; }),
    k16F873,
    Like(k16F873, "16F874", [](R& r) { r.package = P::Dip40; r.deviceIds = {0x0920}; }),
    k16F876,
    Like(k16F876, "16F877", [](R& r) { r.package = P::Dip40; r.deviceIds = {0x09A0}; }),
    k16F873A,
    Like(k16F873A, "16F874A", [](R& r) { r.package = P::Dip40; r.deviceIds = {0x0E60}; }),
    Like(k16F877A, "16F876A", [](R& r) { r.package = P::Dip28; r.deviceIds = {0x0E00}; }),
    Like(k16F627A, "16F648A", [](R& r) { r.programWords = 4096; r.dataBytes = 256; r.deviceIds = {0x1100}; }),
    // 16C642: 16c642_g.lkr (4096 words), p16c642.inc (every bit used: MPEEN is bit 7).
    Like(k16C63, "16C642", [](R& r) { r.configMasks = {0x3FFF}; }),
    k10F200,
    // 10f202_g.lkr page 000-1FF, .idlocs 200-203; p10f202.inc as p10f200.inc.
    Like(k10F200, "10F202", [](R& r) { r.programWords = 512; }),
    // 10f204_g.lkr page 000-0FF; p10f204.inc as p10f200.inc.
    Like(k10F200, "10F204"),
    // 10f206_g.lkr page 000-1FF; p10f206.inc as p10f200.inc.
    Like(k10F200, "10F206", [](R& r) { r.programWords = 512; }),
    k10F220,
    // 10f222_g.lkr page 000-1FF, .idlocs 200-203; p10f222.inc as p10f220.inc.
    Like(k10F220, "10F222", [](R& r) { r.programWords = 512; }),
    k12F508,
    // 12f509_g.lkr page0-page1 000-3FF, .idlocs 400-403; p12f509.inc as p12f508.inc.
    Like(k12F508, "12F509", [](R& r) { r.programWords = 1024; }),
    k16F505,
    // 12f510_g.lkr page0-page1 000-3FF, .idlocs 400-403; p12f510.inc: FOSC 3, WDT 4, CP 8, MCLRE 10, IOSCFS 20.
    Like(k12F508, "12F510", [](R& r) { r.programWords = 1024; r.configMasks = {0x003F}; r.fuseLayout = L::Pic12F510; }),
    // 16f506_g.lkr page0-page1 000-3FF, .idlocs 400-403; p16f506.inc: FOSC 7, WDT 8, CP 10, MCLRE 20, IOSCFS 40.
    Like(k16F505, "16F506", [](R& r) { r.configMasks = {0x007F}; r.fuseLayout = L::Pic16F506; }),
    k16F54,
    // 16f57_g.lkr page0-page3 000-7FF, .idlocs 800-803; p16f57.inc as p16f54.inc.
    Like(k16F54, "16F57", [](R& r) { r.programWords = 2048; r.package = P::Dip28; r.wiring = Wiring::IcspCable; }),
    // 16f59_g.lkr page0-page3 000-7FF, .idlocs 800-803; p16f59.inc as p16f54.inc.
    Like(k16F54, "16F59", [](R& r) { r.programWords = 2048; r.package = P::Dip40; r.wiring = Wiring::IcspCable; }),
};

// clang-format on

#ifndef NDEBUG
// Debug builds check the table as the program starts: a faulty record stops
// the first run and names itself, as a failed assertion would.
[[maybe_unused]] const bool kCatalogueChecked = [] {
  const std::vector<std::string> problems = CatalogueProblems(kDevices);
  for (const std::string& problem : problems)
    std::fprintf(stderr, "catalogue: %s\n", problem.c_str());
  if (!problems.empty()) std::abort();
  return true;
}();
#endif

}  // namespace

std::span<const DeviceRecord> AllDevices() { return kDevices; }

}  // namespace lpt

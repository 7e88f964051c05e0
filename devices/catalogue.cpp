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

// The most MCLR takes (maxMclrMillivolts) is each data sheet's absolute
// maximum rating for the pin: 13.5 V on every older part here (the record's
// default), 9.0 V on the enhanced mid-range. The programming specifications
// ask for less at entry (VIHH, as XWisp and Piklab transcribe them): 16F87/88
// 9.0-13.5 V, 16F88x 10.0-12.0 V, 16F7x and 16F7x7 12.75-13.25 V, 16F716
// 11.0-13.5 V, the 12-bit flash parts 12.5-13.5 V, the enhanced mid-range
// 8.0-9.0 V. A classic 13 V board stays inside every limit but the
// enhanced parts'.

// 16F87xA: device IDs from DS39589.
constexpr R k16F877A{.name = "16F877A", .family = F::Pic16F87xA, .programWords = 8192, .dataBytes = 256, .configMasks = {0x2FCF}, .fuseLayout = L::Pic16F87xA, .package = P::Dip40, .deviceIds = {0x0E20}, .deviceIdMask = kId, .infoPage = I::Pic16F87xA8K, .writeLatches = 8};
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

// 16F87/88 (DS39607): 16f87_g.lkr and 16f88_g.lkr give 4096 words (page0
// 0000h-07FFh, page1 0800h-0FFFh) and eedata 2100h-21FFh (256 bytes);
// p16f87.inc and p16f88.inc _CONFIG1 2007h (options clear every bit: 3FFF),
// _CONFIG2 2008h (FCMEN, IESO: 0003). Device IDs 0720h and 0760h with the
// revision in bits 3:0 (DS39607's table as Pickle's pic14.h and OpenProg's
// progP16.c give it); 4 write latches (Pickle's pic14.c).
constexpr R k16F88{.name = "16F88", .family = F::Pic16F88, .programWords = 4096, .dataBytes = 256, .configMasks = {0x3FFF, 0x0003}, .fuseLayout = L::Pic16F88, .deviceIds = {0x0760}, .deviceIdMask = 0x3FF0, .infoPage = I::Pic16F88, .writeLatches = 4};
// 16F88x (DS41287): 16f882_g.lkr to 16f887_g.lkr code pages (2048/4096/4096/8192/8192
// words) and eedata (2100h-217Fh on the 16F882, 2100h-21FFh on the
// others); p16f882.inc to p16f887.inc _CONFIG1 3FFF, _CONFIG2 0700 (BOR4V, WRT1:0). Device
// IDs 2000h-2080h (DS41287 via Pickle and OpenProg); 8 write latches and the
// calibration word at 2009h (Pickle's pic14.c, Piklab's 16F887.xml).
constexpr R k16F887{.name = "16F887", .family = F::Pic16F88x, .programWords = 8192, .dataBytes = 256, .configMasks = {0x3FFF, 0x0700}, .fuseLayout = L::Pic16F88x, .package = P::Dip40, .deviceIds = {0x2080}, .deviceIdMask = kId, .infoPage = I::Pic16F88x, .writeLatches = 8, .calibrationWords = {0x2009}};
// 16F7x (DS39588 for the 16F72, DS30324 for the others): 16f72_g.lkr to 16f77_g.lkr code
// pages (2048/4096/4096/8192/8192 words), no eedata; p16f72.inc to p16f77.inc _CONFIG
// 005F. Device IDs 00A0h (16F72: OpenProg, Piklab's 16F72.xml) and
// 0600h-0660h (Pickle, OpenProg); 2 write latches (Pickle).
constexpr R k16F77{.name = "16F77", .family = F::Pic16F7x, .programWords = 8192, .configMasks = {0x005F}, .fuseLayout = L::Pic16F7x, .package = P::Dip40, .deviceIds = {0x0660}, .deviceIdMask = kId, .writeLatches = 2};
// 16F737/747/767/777 (DS30492), programmed as the 16F7x: 16f737_g.lkr to 16f777_g.lkr code
// pages, no eedata; p16f737.inc to p16f777.inc _CONFIG1 39FF, _CONFIG2 0043 (FCMEN, IESO,
// BORSEN). Device IDs 0BA0h, 0BE0h, 0EA0h, 0DE0h (Pickle, OpenProg); 2
// write latches (Pickle).
constexpr R k16F777 = Like(k16F77, "16F777", [](R& r) { r.family = F::Pic16F7x7; r.configMasks = {0x39FF, 0x0043}; r.fuseLayout = L::Pic16F7x7; r.deviceIds = {0x0DE0}; r.infoPage = I::Pic16F7x7; });
// The enhanced mid-range: 12F1822, 16F1823-1829 (DS41390), 12F1840, 16F1847
// (DS41439), 16F1933-1939 (DS41397). Program words are the code pages of
// gputils' <part>_g.lkr, data EEPROM its eedata F000h-F0FFh (256 bytes);
// p<part>.inc gives _CONFIG1 8007h (options clear every bit: 3FFF) and
// _CONFIG2 8008h (3703, with VCAPEN 3733 on the 16F193x). Device IDs at
// 8006h with 5 revision bits (Pickle's pic14.h, OpenProg, a-p-prog; the
// 12F1840's 1B80h as Pickle's bit table, OpenProg and a-p-prog give it);
// write latches (Pickle's pic14.c); calibration words 8009h, 800Ah (Pickle,
// Piklab). MCLR takes at most 9.0 V (the data sheets' absolute maximum;
// the programming specifications' VIHH is 8.0-9.0 V, Piklab). The 8-, 14-
// and 18-pin parts and the 28- and 40-pin 16F193x have the socket's
// programming pins (12F629, 16F630, 16F628A, 16F876, 16F877 pinouts); the
// 20-pin 16F1828/1829 take the ICSP cable (data sheet: Vdd 1, Vss 20,
// MCLR 4, ICSPCLK 18, ICSPDAT 19).
constexpr R k16F1827{.name = "16F1827", .family = F::Pic16F1827, .programWords = 4096, .dataBytes = 256, .configMasks = {0x3FFF, 0x3703}, .fuseLayout = L::Pic16F1827, .package = P::Dip18, .deviceIds = {0x27A0}, .deviceIdMask = kId, .writeLatches = 8, .calibrationWords = {0x8009, 0x800A}, .maxMclrMillivolts = 9000};
constexpr R k16F1829 = Like(k16F1827, "16F1829", [](R& r) { r.programWords = 8192; r.package = P::Dip20; r.wiring = Wiring::IcspCable; r.icspPins = ProgrammingPins{.vpp = 4, .vdd = 1, .vss = 20, .pgc = 18, .pgd = 19}; r.writeLatches = 32; r.deviceIds = {0x27E0}; });
constexpr R k16F1847 = Like(k16F1827, "16F1847", [](R& r) { r.family = F::Pic16F1847; r.programWords = 8192; r.writeLatches = 32; r.deviceIds = {0x1480}; });
constexpr R k16F1937 = Like(k16F1827, "16F1937", [](R& r) { r.family = F::Pic16F193x; r.programWords = 8192; r.configMasks = {0x3FFF, 0x3733}; r.fuseLayout = L::Pic16F193x; r.package = P::Dip40; r.deviceIds = {0x2380}; });
// 12-bit flash parts, without device IDs. Program words (the OSCCAL word
// included) are the program CODEPAGEs of gputils' <part>_g.lkr, and the ID
// words its .idlocs right above them; masks are the bits the options of
// p<part>.inc clear. Programming specifications: DS41228 (10F200-206),
// DS41266 (10F220/222), DS41227 (12F508/509), DS41226 (16F505), DS41257
// (12F510), DS41258 (16F506), DS41207 (16F54), DS41208 (16F57), DS41243
// (16F59). Packages and programming pins from the data sheets (Piklab's
// device files list the same pins). ICSP pins from the data sheets' pin
// diagrams: 10F20x/22x SOT-23 GP3/MCLR/VPP 6, VDD 5, VSS 2, ICSPCLK 3,
// ICSPDAT 1; 16F57 MCLR/VPP 28, VDD 2, VSS 4, RB6 16, RB7 17; 16F59
// MCLR/VPP 14, VDD 15/35, VSS 5/25, RB6 12, RB7 13 (toprammer's 16F59
// table gives the same Vpp, Vdd and Vss).
// 10f200_g.lkr page 000-0FF, .idlocs 100-103; p10f200.inc: WDTE 4, CP 8, MCLRE 10 (the one oscillator setting clears nothing).
constexpr R k10F200{.name = "10F200", .family = F::Pic12F5xx, .programWords = 256, .configMasks = {0x001C}, .fuseLayout = L::Pic10F20x, .package = P::Sot23_6, .wiring = Wiring::IcspCable, .icspPins = ProgrammingPins{.vpp = 6, .vdd = 5, .vss = 2, .pgc = 3, .pgd = 1}};
// 10f220_g.lkr page 000-0FF; p10f220.inc: IOSCFS 1, MCPU 2, WDTE 4, CP 8, MCLRE 10.
constexpr R k10F220 = Like(k10F200, "10F220", [](R& r) { r.configMasks = {0x001F}; r.fuseLayout = L::Pic10F22x; });
// 12f508_g.lkr page 000-1FF, .idlocs 200-203; p12f508.inc: FOSC 3, WDT 4, CP 8, MCLRE 10.
constexpr R k12F508{.name = "12F508", .family = F::Pic12F5xx, .programWords = 512, .configMasks = {0x001F}, .fuseLayout = L::Pic12F50x, .package = P::Dip8};
// 16f505_g.lkr page0-page1 000-3FF, .idlocs 400-403; p16f505.inc: FOSC 7, WDT 8, CP 10, MCLRE 20.
constexpr R k16F505{.name = "16F505", .family = F::Pic12F5xx, .programWords = 1024, .configMasks = {0x003F}, .fuseLayout = L::Pic16F505, .package = P::Dip14};
// 16f54_g.lkr page 000-1FF, .idlocs 200-203; p16f54.inc: FOSC 3, WDT 4, CP 8.
constexpr R k16F54{.name = "16F54", .family = F::Pic16F5x, .programWords = 512, .configMasks = {0x000F}, .fuseLayout = L::Pic16F5x};

// The calibrated flash mid-range parts: one configuration word at 2007h,
// factory calibration words after it. Sizes from gputils' <part>_g.lkr
// (program CODEPAGEs, eedata), masks from the options of p<part>.inc
// (0FFF; 1FFF with WURE on the 12F635/16F636/16F639 and DEBUG on the
// 16F91x; 03FF on the 12F609 line, 0FFF with WRT on the 12F617); device IDs
// as DS41204, DS41244 and DS41284 give them in Pickle's pic14.h, checked
// against OpenProg's progP16.c; write latches and calibration words from
// Pickle's pic14.c (Piklab's device files and gputils' .calib sections
// agree on the calibration words). Packages and programming pins from the
// data sheets' pin diagrams (DIP20: VDD 1, RA3/MCLR/VPP 4, RA1/ICSPCLK 18,
// RA0/ICSPDAT 19, VSS 20; Piklab's 16F639.xml lists the same pins for the
// SSOP20). VIHH in each row comment: the range the peers transcribe (XWisp,
// Piklab) for the programming voltage.
constexpr std::array<std::uint16_t, 2> kCalibration2008{0x2008};
constexpr std::array<std::uint16_t, 2> kCalibration2008And2009{0x2008, 0x2009};
constexpr ProgrammingPins kDip20Pins{.vpp = 4, .vdd = 1, .vss = 20, .pgc = 18, .pgd = 19};
// DS41204 (VIHH 10.0-13.0 V): 12f683_g.lkr 2048 words, eedata 256 bytes; ID 0460h.
constexpr R k12F683{.name = "12F683", .family = F::Pic12F683, .programWords = 2048, .dataBytes = 256, .configMasks = {0x0FFF}, .fuseLayout = L::Pic12F683, .package = P::Dip8, .deviceIds = {0x0460}, .deviceIdMask = kId, .infoPage = I::Pic12F683, .writeLatches = 4, .calibrationWords = kCalibration2008};
// 16f690_g.lkr 4096 words, 256 bytes; ID 1400h; VIHH 10.0-13.0 V (XWisp, Piklab).
constexpr R k16F690 = Like(k12F683, "16F690", [](R& r) { r.programWords = 4096; r.package = P::Dip20; r.wiring = Wiring::IcspCable; r.icspPins = kDip20Pins; r.deviceIds = {0x1400}; });
// 12f635_g.lkr 1024 words, eedata 128 bytes; ID 0FA0h; two calibration words;
// VIHH 10.0-13.0 V (XWisp, Piklab).
constexpr R k12F635 = Like(k12F683, "12F635", [](R& r) { r.programWords = 1024; r.dataBytes = 128; r.configMasks = {0x1FFF}; r.fuseLayout = L::Pic12F635; r.deviceIds = {0x0FA0}; r.infoPage = I::Pic12F635; r.calibrationWords = kCalibration2008And2009; });
// 16f636_g.lkr and 16f639_g.lkr 2048 words, 256 bytes; both answer 10A0h;
// VIHH 10.0-13.0 V (XWisp; Piklab's 16F639.xml).
constexpr R k16F636 = Like(k12F635, "16F636", [](R& r) { r.programWords = 2048; r.dataBytes = 256; r.package = P::Dip14; r.deviceIds = {0x10A0}; r.sharesDeviceId = true; });
// DS41244 (VIHH 10.0-12.0 V; Piklab says 13): 4096/8192 words, eedata 256
// bytes, calibration words 2008h and 2009h, the revision in bits 3:0.
constexpr R k16F913{.name = "16F913", .family = F::Pic16F91x, .programWords = 4096, .dataBytes = 256, .configMasks = {0x1FFF}, .fuseLayout = L::Pic16F91x, .package = P::Dip28, .deviceIds = {0x13E0}, .deviceIdMask = 0x3FF0, .infoPage = I::Pic16F91x, .writeLatches = 8, .calibrationWords = kCalibration2008And2009};
// DS41284 (VIHH 10.0-13.0 V): no data EEPROM, one calibration word; the
// 12F617 and 16F616 latch four words. The HV twins regulate their own
// supply with a shunt regulator (their data sheets).
constexpr R k12F609{.name = "12F609", .family = F::Pic12F61x, .programWords = 1024, .configMasks = {0x03FF}, .fuseLayout = L::Pic12F609, .package = P::Dip8, .deviceIds = {0x2240}, .deviceIdMask = kId, .infoPage = I::Pic12F609, .calibrationWords = kCalibration2008};
constexpr std::string_view kShuntRegulator = "Vdd feeds a shunt regulator: put a resistor in series with the adapter's Vdd line, sized as the data sheet's shunt-regulator section shows.";
// 12hv609_g.lkr 1024 words; ID 2280h; VIHH 10.0-13.0 V (XWisp, Piklab).
constexpr R k12HV609 = Like(k12F609, "12HV609", [](R& r) { r.deviceIds = {0x2280}; r.connectionNote = kShuntRegulator; });

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
    Like(k16F54, "16F57", [](R& r) { r.programWords = 2048; r.package = P::Dip28; r.wiring = Wiring::IcspCable; r.icspPins = ProgrammingPins{.vpp = 28, .vdd = 2, .vss = 4, .pgc = 16, .pgd = 17}; }),
    // 16f59_g.lkr page0-page3 000-7FF, .idlocs 800-803; p16f59.inc as p16f54.inc.
    Like(k16F54, "16F59", [](R& r) { r.programWords = 2048; r.package = P::Dip40; r.wiring = Wiring::IcspCable; r.icspPins = ProgrammingPins{.vpp = 14, .vdd = 15, .vdd2 = 35, .vss = 5, .vss2 = 25, .pgc = 12, .pgd = 13}; }),
    Like(k16F88, "16F87", [](R& r) { r.deviceIds = {0x0720}; }),
    k16F88,
    Like(k16F887, "16F882", [](R& r) { r.programWords = 2048; r.dataBytes = 128; r.package = P::Dip28; r.deviceIds = {0x2000}; }),
    Like(k16F887, "16F883", [](R& r) { r.programWords = 4096; r.package = P::Dip28; r.deviceIds = {0x2020}; }),
    Like(k16F887, "16F884", [](R& r) { r.programWords = 4096; r.deviceIds = {0x2040}; }),
    Like(k16F887, "16F886", [](R& r) { r.package = P::Dip28; r.deviceIds = {0x2060}; }),
    k16F887,
    Like(k16F77, "16F72", [](R& r) { r.programWords = 2048; r.package = P::Dip28; r.deviceIds = {0x00A0}; }),
    Like(k16F77, "16F73", [](R& r) { r.programWords = 4096; r.package = P::Dip28; r.deviceIds = {0x0600}; }),
    Like(k16F77, "16F74", [](R& r) { r.programWords = 4096; r.deviceIds = {0x0620}; }),
    Like(k16F77, "16F76", [](R& r) { r.package = P::Dip28; r.deviceIds = {0x0640}; }),
    k16F77,
    // 16F716 (DS40245): 16f716_g.lkr 2048 words, p16f716.inc _CONFIG 20CF,
    // device ID 1140h (Pickle, OpenProg, Piklab), 4 write latches (Pickle).
    R{.name = "16F716", .family = F::Pic16F716, .programWords = 2048, .configMasks = {0x20CF}, .fuseLayout = L::Pic16F716, .deviceIds = {0x1140}, .deviceIdMask = kId, .writeLatches = 4},
    Like(k16F777, "16F737", [](R& r) { r.programWords = 4096; r.package = P::Dip28; r.deviceIds = {0x0BA0}; }),
    Like(k16F777, "16F747", [](R& r) { r.programWords = 4096; r.deviceIds = {0x0BE0}; }),
    Like(k16F777, "16F767", [](R& r) { r.package = P::Dip28; r.deviceIds = {0x0EA0}; }),
    k16F777,
    k12F683,
    // 16f684_g.lkr 2048 words, 256 bytes; ID 1080h; VIHH 10.0-13.0 V (XWisp, Piklab).
    Like(k12F683, "16F684", [](R& r) { r.package = P::Dip14; r.deviceIds = {0x1080}; }),
    // 16f685_g.lkr 4096 words, 256 bytes; ID 04A0h; VIHH 10.0-13.0 V (XWisp, Piklab).
    Like(k16F690, "16F685", [](R& r) { r.deviceIds = {0x04A0}; }),
    // 16f687_g.lkr 2048 words, 256 bytes; ID 1320h; VIHH 10.0-13.0 V (XWisp, Piklab).
    Like(k16F690, "16F687", [](R& r) { r.programWords = 2048; r.deviceIds = {0x1320}; }),
    // 16f688_g.lkr 4096 words, 256 bytes; ID 1180h; VIHH 10.0-13.0 V (XWisp, Piklab).
    Like(k12F683, "16F688", [](R& r) { r.programWords = 4096; r.package = P::Dip14; r.deviceIds = {0x1180}; }),
    // 16f689_g.lkr 4096 words, 256 bytes; ID 1340h; VIHH 10.0-13.0 V (XWisp, Piklab).
    Like(k16F690, "16F689", [](R& r) { r.deviceIds = {0x1340}; }),
    k16F690,
    // 16f631_g.lkr 1024 words, 128 bytes; ID 1420h; VIHH 10.0-13.0 V (XWisp, Piklab).
    Like(k16F690, "16F631", [](R& r) { r.programWords = 1024; r.dataBytes = 128; r.deviceIds = {0x1420}; }),
    // 16f677_g.lkr 2048 words, 256 bytes; ID 1440h; VIHH 10.0-13.0 V (XWisp, Piklab).
    Like(k16F690, "16F677", [](R& r) { r.programWords = 2048; r.deviceIds = {0x1440}; }),
    k12F635,
    k16F636,
    // SSOP20 only (Piklab's 16F639.xml pins); the 16F636's facts.
    Like(k16F636, "16F639", [](R& r) { r.package = P::Ssop20; r.wiring = Wiring::IcspCable; r.icspPins = kDip20Pins; r.deviceIds = {0x10A0}; }),
    k16F913,
    // 16f914_g.lkr 4096 words; ID 13C0h; VIHH 10.0-12.0 V (XWisp; Piklab 13).
    Like(k16F913, "16F914", [](R& r) { r.package = P::Dip40; r.deviceIds = {0x13C0}; }),
    // 16f916_g.lkr 8192 words; ID 13A0h; VIHH 10.0-12.0 V (XWisp; Piklab 13).
    Like(k16F913, "16F916", [](R& r) { r.programWords = 8192; r.deviceIds = {0x13A0}; }),
    // 16f917_g.lkr 8192 words; ID 1380h; VIHH 10.0-12.0 V (XWisp; Piklab 13).
    Like(k16F913, "16F917", [](R& r) { r.programWords = 8192; r.package = P::Dip40; r.deviceIds = {0x1380}; }),
    // 16f946_g.lkr 8192 words; ID 1460h; VIHH 10.0-12.0 V (XWisp; Piklab 13). TQFP64 only: RE3/MCLR/VPP 36,
    // RB6/ICSPCLK 23, RB7/ICSPDAT 24, VDD 10, 19, 38, 57, VSS 9, 20, 41, 56,
    // AVDD 26, AVSS 25 (the data sheet's pin table, as a compiler's device
    // file for the part transcribes it).
    Like(k16F913, "16F946", [](R& r) { r.programWords = 8192; r.package = P::Tqfp64; r.wiring = Wiring::IcspCable; r.icspPins = ProgrammingPins{.vpp = 36, .vdd = 10, .vdd2 = 19, .vss = 9, .vss2 = 20, .pgc = 23, .pgd = 24}; r.deviceIds = {0x1460}; r.connectionNote = "Also connect Vdd pins 38 and 57 and AVdd pin 26 to Vdd, Vss pins 41 and 56 and AVss pin 25 to Vss."; }),
    k12F609,
    // 12f615_g.lkr 1024 words; ID 2180h; VIHH 10.0-13.0 V (XWisp, Piklab).
    Like(k12F609, "12F615", [](R& r) { r.deviceIds = {0x2180}; }),
    // 12f617_g.lkr 2048 words; ID 1360h (Piklab's 2360h is the 16F1936's); VIHH 10.0-13.0 V (XWisp, Piklab).
    Like(k12F609, "12F617", [](R& r) { r.programWords = 2048; r.configMasks = {0x0FFF}; r.fuseLayout = L::Pic12F617; r.deviceIds = {0x1360}; r.infoPage = I::Pic12F617; r.writeLatches = 4; }),
    // 16f610_g.lkr 1024 words; ID 2260h; VIHH 10.0-13.0 V (XWisp, Piklab).
    Like(k12F609, "16F610", [](R& r) { r.package = P::Dip14; r.deviceIds = {0x2260}; }),
    // 16f616_g.lkr 2048 words; ID 1240h; VIHH 10.0-13.0 V (XWisp, Piklab).
    Like(k12F609, "16F616", [](R& r) { r.programWords = 2048; r.package = P::Dip14; r.deviceIds = {0x1240}; r.writeLatches = 4; }),
    k12HV609,
    // 12hv615_g.lkr 1024 words; ID 21A0h; VIHH 10.0-13.0 V (XWisp, Piklab).
    Like(k12HV609, "12HV615", [](R& r) { r.deviceIds = {0x21A0}; }),
    // 16hv610_g.lkr 1024 words; ID 22A0h; VIHH 10.0-13.0 V (XWisp, Piklab).
    Like(k12HV609, "16HV610", [](R& r) { r.package = P::Dip14; r.deviceIds = {0x22A0}; }),
    // 16hv616_g.lkr 2048 words; ID 1260h; VIHH 10.0-13.0 V (XWisp, Piklab).
    Like(k12HV609, "16HV616", [](R& r) { r.programWords = 2048; r.package = P::Dip14; r.deviceIds = {0x1260}; r.writeLatches = 4; }),
    Like(k16F1827, "12F1822", [](R& r) { r.programWords = 2048; r.package = P::Dip8; r.writeLatches = 16; r.deviceIds = {0x2700}; }),
    Like(k16F1827, "16F1823", [](R& r) { r.programWords = 2048; r.package = P::Dip14; r.writeLatches = 16; r.deviceIds = {0x2720}; }),
    Like(k16F1827, "16F1824", [](R& r) { r.package = P::Dip14; r.writeLatches = 32; r.deviceIds = {0x2740}; }),
    Like(k16F1827, "16F1825", [](R& r) { r.programWords = 8192; r.package = P::Dip14; r.writeLatches = 32; r.deviceIds = {0x2760}; }),
    Like(k16F1827, "16F1826", [](R& r) { r.programWords = 2048; r.deviceIds = {0x2780}; }),
    k16F1827,
    Like(k16F1829, "16F1828", [](R& r) { r.programWords = 4096; r.deviceIds = {0x27C0}; }),
    k16F1829,
    Like(k16F1847, "12F1840", [](R& r) { r.programWords = 4096; r.package = P::Dip8; r.deviceIds = {0x1B80}; }),
    k16F1847,
    Like(k16F1937, "16F1933", [](R& r) { r.programWords = 4096; r.package = P::Dip28; r.deviceIds = {0x2300}; }),
    Like(k16F1937, "16F1934", [](R& r) { r.programWords = 4096; r.deviceIds = {0x2340}; }),
    Like(k16F1937, "16F1936", [](R& r) { r.package = P::Dip28; r.deviceIds = {0x2360}; }),
    k16F1937,
    Like(k16F1937, "16F1938", [](R& r) { r.programWords = 16384; r.package = P::Dip28; r.deviceIds = {0x23A0}; }),
    Like(k16F1937, "16F1939", [](R& r) { r.programWords = 16384; r.deviceIds = {0x23C0}; }),
};

// clang-format on

}  // namespace

std::span<const DeviceRecord> AllDevices() { return kDevices; }

}  // namespace lpt

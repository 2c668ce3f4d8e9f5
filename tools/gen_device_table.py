#!/usr/bin/env python3
"""Writes src/timer/device_table.inc from gputils' device headers.

Usage: gen_device_table.py [HEADER_DIR] > src/timer/device_table.inc

Reads every p16*.inc and p18*.inc file: the register addresses of the
"Register Files" part and the bit names of each ";----- NAME Bits" section
(several names may share a position; the first listed is the chip's own, the
later ones aliases). From the names it recognises each timer's kind and picks
the names the listings write. What the names alone cannot say (prescaler
sets, clock encodings) lives in src/timer/device.cpp, by kind.
"""
import os
import re
import sys

HEADER_DIR = "/usr/share/gputils/header"

# Header quirks. Each maps (device, register, name as the header spells it)
# to the role name it stands for; the listings keep the header's spelling,
# since only that one assembles against the header.
CORRECTIONS = {
    # The PIC16(L)F1614/5/8/9 headers spell T3CKPS0 "T3CKSP0".
    **{(f"PIC16{lf}F16{n}", "T3CON", "T3CKSP0"): "T3CKPS0" for lf in ("", "L") for n in (14, 15, 18, 19)},
    # p16lf707.inc drops the timer's number from TMR1CS1:0 (p16f707.inc has it).
    ("PIC16LF707", "T1CON", "TMRCS1"): "TMR1CS1",
    ("PIC16LF707", "T1CON", "TMRCS0"): "TMR1CS0",
}
# The PIC16(L)F161x headers name OPTION_REG's PS0 and PS1 "PS0_OPTION_REG"
# and "PS1_OPTION_REG" (the plain names belong to another register there):
# a suffix "_OPTION_REG" on an OPTION_REG bit is read as the bare name.
SUFFIXED = "_OPTION_REG"


class Header:
    def __init__(self, path):
        self.registers = {}  # name -> address
        self.bits = {}  # register -> {position: [names, first listed first]}
        part = None
        section = None
        for line in open(path, encoding="latin-1"):
            line = line.rstrip()
            m = re.match(r";-----\s*(\S+) Bits\s*-", line)
            if m:
                section = self.bits.setdefault(m.group(1), {})
                part = "bits"
                continue
            if line.startswith(";----- Register Files"):
                part = "registers"
                continue
            if line.startswith(";====") and part == "bits":
                part = None
                section = None
                continue
            m = re.match(r"(\w+)\s+EQU\s+H'([0-9A-Fa-f]+)'", line)
            if not m:
                continue
            name, value = m.group(1), int(m.group(2), 16)
            if part == "registers":
                self.registers.setdefault(name, value)
            elif part == "bits" and section is not None:
                section.setdefault(value, []).append(name)

    def names(self, register):
        """(position, name) of a register's bits, first-listed names first."""
        section = self.bits.get(register, {})
        firsts = [(p, n[0]) for p, n in sorted(section.items())]
        rest = [(p, x) for p, n in sorted(section.items()) for x in n[1:]]
        return firsts + rest


class Timer:
    def __init__(self, number, kind):
        self.number = number
        self.kind = kind
        self.control = self.count_high = self.count = self.period = None
        self.on = self.width8 = self.cs = self.cs0 = self.psa = self.rd16 = ""
        self.pre = []
        self.post = []
        self.flag = self.enable = None


def role_name(h, device, register, pattern):
    """The chip's name of the bit whose (corrected) name matches `pattern`:
    the first listed name at that position, or the matching one if the first
    listed is another role's."""
    for position, name in h.names(register):
        role = CORRECTIONS.get((device, register, name), name)
        if register == "OPTION_REG" and role.endswith(SUFFIXED):
            role = role[: -len(SUFFIXED)]
        if re.fullmatch(pattern, role):
            return name, position
    return "", None


def sfr(h, name):
    return (name, h.registers[name]) if name in h.registers else None


def interrupt_bit(h, device, suffix, number):
    """(register, bit) of TMRnIF or TMRnIE, INTCON first; Timer0's may be T0IF."""
    pattern = rf"TMR{number}{suffix}" + (rf"|T0{suffix}" if number == 0 else "")
    registers = sorted(h.bits, key=lambda r: (r != "INTCON", r))
    for register in registers:
        if register not in h.registers:
            continue
        for position, name in h.names(register):
            if re.fullmatch(pattern, name):
                first = h.bits[register][position][0]
                return (register, h.registers[register], first)
    return None


def timer0(h, device, core):
    if "T0CON0" in h.registers:
        t = Timer(0, "Timer0Con01")
        t.control, t.count_high, t.count = sfr(h, "T0CON0"), sfr(h, "TMR0H"), sfr(h, "TMR0L")
        return t
    if core == "PIC18":
        two_bit = role_name(h, device, "T0CON", r"T0CS1")[0]
        t = Timer(0, "Timer0Pic18TwoBitSource" if two_bit else "Timer0Pic18")
        t.control, t.count_high, t.count = sfr(h, "T0CON"), sfr(h, "TMR0H"), sfr(h, "TMR0L")
        t.on = role_name(h, device, "T0CON", r"TMR0ON")[0]
        t.width8 = role_name(h, device, "T0CON", r"T08BIT")[0]
        t.cs = role_name(h, device, "T0CON", r"T0CS")[0]
        t.psa = role_name(h, device, "T0CON", r"PSA")[0]
        t.pre = [role_name(h, device, "T0CON", rf"T0PS{i}")[0] for i in (2, 1, 0)]
        return t
    enhanced = role_name(h, device, "OPTION_REG", r"TMR0CS")[0]
    t = Timer(0, "Timer0Enhanced" if enhanced else "Timer0MidRange")
    t.control, t.count = sfr(h, "OPTION_REG"), sfr(h, "TMR0")
    t.cs = enhanced or role_name(h, device, "OPTION_REG", r"T0CS")[0]
    t.psa = role_name(h, device, "OPTION_REG", r"PSA")[0]
    t.pre = [role_name(h, device, "OPTION_REG", rf"PS{i}")[0] for i in (2, 1, 0)]
    return t


def timer1_type(h, device, core, n):
    con = f"T{n}CON"
    if role_name(h, device, con, rf"T{n}PS0|T{n}MOD")[0]:
        t = Timer(n, "Timer5MotorControl")
        t.control = sfr(h, con)
        return t
    cs1 = role_name(h, device, con, rf"TMR{n}CS1")[0]
    t = Timer(n, "Timer1Fosc" if cs1 else "Timer1")
    t.control, t.count_high, t.count = sfr(h, con), sfr(h, f"TMR{n}H"), sfr(h, f"TMR{n}L")
    t.on = role_name(h, device, con, rf"TMR{n}ON")[0]
    t.cs = cs1 or role_name(h, device, con, rf"TMR{n}CS")[0]
    t.cs0 = role_name(h, device, con, rf"TMR{n}CS0")[0] if cs1 else ""
    t.pre = [role_name(h, device, con, rf"T{n}CKPS{i}")[0] for i in (1, 0)]
    if core == "PIC18":
        t.rd16 = role_name(h, device, con, rf"T{n}RD16|RD16")[0]
    return t


def timer2_type(h, device, core, n):
    con = f"T{n}CON"
    if f"T{n}HLT" in h.registers:
        t = Timer(n, "Timer2Hlt")
        t.control = sfr(h, con)
        return t
    t = Timer(n, "Timer2Enhanced" if core == "Enhanced" else "Timer2")
    t.control, t.count, t.period = sfr(h, con), sfr(h, f"TMR{n}"), sfr(h, f"PR{n}")
    on, on_at = role_name(h, device, con, rf"TMR{n}ON")
    pre = [role_name(h, device, con, rf"T{n}CKPS{i}") for i in (1, 0)]
    post = [role_name(h, device, con, rf"T{n}OUTPS{i}|TOUTPS{i}") for i in (3, 2, 1, 0)]
    # The listing writes the whole register: the bits must sit where the kind has them.
    at = [p for _, p in post] + [on_at] + [p for _, p in pre]
    if at != [6, 5, 4, 3, 2, 1, 0]:
        t.kind = "Unrecognised"
    t.on, t.pre, t.post = on, [x for x, _ in pre], [x for x, _ in post]
    return t


def complete(t):
    """Whether every register and bit the kind's listing writes was found."""
    needed = {
        "Timer0MidRange": [t.control, t.count, t.cs, t.psa] + t.pre,
        "Timer0Enhanced": [t.control, t.count, t.cs, t.psa] + t.pre,
        "Timer0Pic18": [t.control, t.count_high, t.count, t.on, t.width8, t.cs, t.psa] + t.pre,
        "Timer1": [t.control, t.count_high, t.count, t.on, t.cs] + t.pre,
        "Timer1Fosc": [t.control, t.count_high, t.count, t.on, t.cs, t.cs0] + t.pre,
        "Timer2": [t.control, t.count, t.period, t.on] + t.pre + t.post,
        "Timer2Enhanced": [t.control, t.count, t.period, t.on] + t.pre + t.post,
    }.get(t.kind)
    return needed is None or all(needed)


def device_of(path):
    name = "PIC" + os.path.basename(path)[1:-4].upper()
    h = Header(path)
    if name.startswith("PIC18"):
        core = "PIC18"
    elif "OPTION_REG" not in h.registers and "T0CON0" not in h.registers:
        core = "Baseline"
    elif "BSR" in h.registers:
        core = "Enhanced"
    else:
        core = "MidRange"
    timers = []
    if core != "Baseline":
        timers.append(timer0(h, name, core))
        for n in range(1, 13):
            con = f"T{n}CON"
            if con not in h.registers:
                continue
            motor = role_name(h, name, con, rf"T{n}PS0|T{n}MOD")[0]
            if not motor and (role_name(h, name, con, rf"T{n}OUTPS0|TOUTPS0")[0] or f"PR{n}" in h.registers):
                timers.append(timer2_type(h, name, core, n))
            else:
                timers.append(timer1_type(h, name, core, n))
    for t in timers:
        t.flag = interrupt_bit(h, name, "IF", t.number)
        t.enable = interrupt_bit(h, name, "IE", t.number)
        if not complete(t) or not t.flag or not t.enable:
            t.kind = "Unrecognised"
    gie = interrupt_name(h, 7, r"GIE|GIEH")
    peie = interrupt_name(h, 6, r"PEIE|GIEL")
    return name, core, gie, peie, timers


def interrupt_name(h, position, pattern):
    # The plain name where a header lists a combined one first (GIE_GIEH, then GIE).
    names = [n for n in h.bits.get("INTCON", {}).get(position, []) if re.fullmatch(pattern, n)]
    if not names or "INTCON" not in h.registers:
        return None
    return ("INTCON", h.registers["INTCON"], names[0])


class Pool:
    """Every name once, one after the other; a name is its number, and
    kNameStarts says where each begins (name 0 is the empty one). Numbers
    instead of pointers keep the table free of relocations: it costs nothing
    until it is read."""

    def __init__(self):
        self.names = [""]
        self.at = {"": 0}

    def __call__(self, name):
        if name not in self.at:
            self.at[name] = len(self.names)
            self.names.append(name)
        return self.at[name]


def c_sfr(pool, r):
    return "{}" if not r else f"{{{pool(r[0])}, 0x{r[1]:X}}}"


def c_bit(pool, b):
    return "{}" if not b else f"{{{pool(b[0])}, 0x{b[1]:X}, {pool(b[2])}}}"


def c_names(pool, names):
    return "{" + ", ".join(str(pool(n)) for n in names) + "}"


def main():
    directory = sys.argv[1] if len(sys.argv) > 1 else HEADER_DIR
    # Real devices only: not the family files (p16c5x, p16f1xxx, p18cxxx ...) nor p18macro.
    files = sorted(f for f in os.listdir(directory)
                   if re.fullmatch(r"p1[68][a-wyz]+\d[0-9a-wyz]*\.inc", f))
    pool = Pool()
    timer_rows, device_rows = [], []
    for f in files:
        name, core, gie, peie, timers = device_of(os.path.join(directory, f))
        device_rows.append(f"    {{{pool(name)}, Core::{core}, {c_bit(pool, gie)}, {c_bit(pool, peie)}, "
                           f"{{kTimerTable + {len(timer_rows)}, {len(timers)}}}}},  // {name}\n")
        for t in timers:
            timer_rows.append(
                f"    {{{t.number}, K::{t.kind}, {c_sfr(pool, t.control)}, {c_sfr(pool, t.count_high)}, "
                f"{c_sfr(pool, t.count)}, {c_sfr(pool, t.period)}, {pool(t.on)}, {pool(t.width8)}, {pool(t.cs)}, "
                f"{pool(t.cs0)}, {pool(t.psa)}, {pool(t.rd16)}, {c_names(pool, t.pre)}, {c_names(pool, t.post)}, "
                f"{c_bit(pool, t.flag)}, {c_bit(pool, t.enable)}}},  // {name} Timer{t.number}\n")
    text = "".join(pool.names)
    assert len(text) < 0x10000 and len(pool.names) < 0x10000, "names no longer fit 16 bits"
    out = sys.stdout
    out.write("// Generated by tools/gen_device_table.py from gputils' device headers; do not edit.\n")
    out.write("// Names are numbers: name n is kNames from kNameStarts[n] to kNameStarts[n + 1]. A timer: number, kind, control, count high, count,\n")
    out.write("// period, on, 8-bit, clock source (its high bit where two), clock source low bit,\n")
    out.write("// prescaler assignment, RD16, prescaler bits, postscaler bits (most significant\n")
    out.write("// first), interrupt flag, enable. A device: name, core, GIE, PEIE, its timers.\n")
    out.write("constexpr char kNames[] =\n")
    line = ""
    for name in pool.names:
        line += name
        if len(line) > 90:
            out.write(f'    "{line}"\n')
            line = ""
    out.write(f'    "{line}";\n')
    starts = [0]
    for name in pool.names:
        starts.append(starts[-1] + len(name))
    out.write("constexpr std::uint16_t kNameStarts[] = {\n")
    for k in range(0, len(starts), 16):
        out.write("    " + ", ".join(str(x) for x in starts[k:k + 16]) + ",\n")
    out.write("};\n")
    out.write("constexpr DeviceTimer kTimerTable[] = {\n")
    out.writelines(timer_rows)
    out.write("};\n")
    out.write("constexpr Device kDeviceTable[] = {\n")
    out.writelines(device_rows)
    out.write("};\n")


if __name__ == "__main__":
    main()

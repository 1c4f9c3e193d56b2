#!/usr/bin/env python3
"""Rebuilds the seed corpora in fuzz/corpus/<target>/ from the behaviour vectors, the acceptance
scripts and the examples. Seeds are named by the SHA-1 of their content, as libFuzzer names what
it adds, so that a rebuild only adds files; findings kept as regression seeds stay."""
import hashlib
import pathlib
import re

ROOT = pathlib.Path(__file__).resolve().parent.parent
CORPUS = ROOT / 'fuzz' / 'corpus'
ESCAPES = {'t': '\t', 'r': '\r', 'n': '\n', '"': '"', '\\': '\\'}


def unescape(body):
    out, i = [], 0
    while i < len(body):
        c = body[i]
        if c != '\\':
            out.append(c)
            i += 1
        elif body[i + 1] in ESCAPES:
            out.append(ESCAPES[body[i + 1]])
            i += 2
        elif body[i + 1] == 'x':
            out.append(chr(int(body[i + 2:i + 4], 16)))
            i += 4
        else:  # \uNNNN
            out.append(chr(int(body[i + 2:i + 6], 16)))
            i += 6
    return ''.join(out)


def string_of(literal):
    m = re.fullmatch(r'Str:"(.*)"', literal)
    return unescape(m.group(1)) if m else None


def vector_cases():
    for path in sorted((ROOT / 'tests' / 'data').glob('*.tsv')):
        for line in path.read_text(encoding='utf-8').splitlines():
            if not line or line.startswith('#') or '\t=>\t' not in line:
                continue
            args, expected = line.split('\t=>\t')
            op, *values = args.split('\t')
            yield op, values, expected


def write(target, seeds):
    folder = CORPUS / target
    folder.mkdir(parents=True, exist_ok=True)
    for seed in seeds:
        data = seed.encode('utf-8')
        (folder / hashlib.sha1(data).hexdigest()).write_bytes(data)


def expressions():
    found = set()
    for path in sorted((ROOT / 'tests' / 'scripts').glob('*.tav')) + sorted((ROOT / 'examples').glob('*.tav')):
        for m in re.finditer(r'ExpressionString Str:"((?:[^"\\]|\\.)*)"', path.read_text(encoding='utf-8')):
            found.add(unescape(m.group(1)).rstrip('\0 '))
    for path in sorted((ROOT / 'examples' / 'forms').glob('*.form')):
        for m in re.finditer(r'Expression\w* = Str:"((?:[^"\\]|\\.)*)"', path.read_text(encoding='utf-8')):
            found.add(unescape(m.group(1)))
    return sorted(e for e in found if e)


SMALL_MMCIF = """data_SMALL
_cell.length_a 50.840
_cell.length_b 42.770
_cell.length_c 28.950
_symmetry.space_group_name_H-M 'P 21 21 21'
loop_
_entity.id
_entity.type
1 polymer
2 water
loop_
_atom_site.group_PDB
_atom_site.id
_atom_site.type_symbol
_atom_site.label_atom_id
_atom_site.label_alt_id
_atom_site.label_comp_id
_atom_site.label_asym_id
_atom_site.label_entity_id
_atom_site.label_seq_id
_atom_site.pdbx_PDB_ins_code
_atom_site.Cartn_x
_atom_site.Cartn_y
_atom_site.Cartn_z
_atom_site.occupancy
_atom_site.B_iso_or_equiv
_atom_site.pdbx_formal_charge
_atom_site.auth_seq_id
_atom_site.auth_comp_id
_atom_site.auth_asym_id
_atom_site.auth_atom_id
_atom_site.pdbx_PDB_model_num
ATOM 1 N N . MET A 1 1 ? 27.340 24.430 2.614 1.00 9.67 ? 1 MET A N 1
ATOM 2 C CA A MET A 1 1 ? 26.266 25.413 2.842 0.50 10.38 ? 1 MET A CA 1
ATOM 3 C CA B MET A 1 1 ? 26.913 26.639 3.531 0.50 9.62 ? 1 MET A CA 1
ATOM 4 O "O5'" . MET A 1 1 A 27.886 26.463 4.263 1.00 9.62 1 1 MET A "O5'" 1
HETATM 5 O O . HOH B 2 . ? 45.802 29.796 19.825 1.00 17.71 ? 77 HOH A O 1
HETATM 6 O O . HOH B 2 . ? 19.146 31.703 16.939 1.00 15.07 ? 78 HOH A O 2
#
"""


def selections():
    found = set()
    sources = sorted((ROOT / 'tests' / 'scripts').glob('*.tav')) + sorted((ROOT / 'examples' / 'forms').glob('*.form'))
    for path in sources:
        for m in re.finditer(r'(?:Select|select \w+ \w+|container \w+ \w+) Str:"((?:[^"\\]|\\.)*)"',
                             path.read_text(encoding='utf-8')):
            found.add(unescape(m.group(1)))
    return sorted(found | {'*', '', '/1/A/10-20/CA,CB[C,N]:A;b>20;q<1', '//*/(ALA,GLY)/!N', 'A/5.A-7/', ';solvent'})


def main():
    cases = list(vector_cases())
    literals = {v for _, values, expected in cases for v in values + [expected]
                if not v.startswith('Err:') and v not in ('LT', 'EQ', 'GT', 'NULL')}
    write('TypedLiteralFuzz', sorted(literals) + ['[I4:1, [Str:"a", Null], R8:0x7FF0000000000000]',
                                                  '[[I2:1, I2:2], [I2:3, I2:4]]', 'Nothing', 'Unallocated'])
    numbers = {string_of(v[0]) for op, v, _ in cases
               if op in ('CDbl', 'CSng', 'CLng', 'CInt', 'CBool', 'IsNumeric') and string_of(v[0]) is not None}
    write('NumberTextFuzz', sorted(numbers))
    dates = {string_of(v[0]) for op, v, _ in cases if op in ('CDate', 'IsDate') and string_of(v[0]) is not None}
    write('DateTextFuzz', sorted(dates))
    formats = {v[0] + '\n' + string_of(v[1]) for op, v, _ in cases if op == 'Format'}
    # Long runs of every kind of token, which once were a test of their own.
    for piece in ('0', '#', ',', 'E+', '@', '&', '<', '\\', '"', ';', 'd', 'mm', 'yyyy', 'h', 'ttttt',
                  'AM/PM', 'a/p', 'General Number'):
        for value in ('R8:-98765.4321', 'Date:36526.75', 'Str:"Text"'):
            formats.add(value + '\n' + piece * (20000 // len(piece)))
    write('FormatFuzz', sorted(formats))
    locales = {line[len('# locale '):].strip() for path in (ROOT / 'tests' / 'data').glob('*.tsv')
               for line in path.read_text(encoding='utf-8').splitlines() if line.startswith('# locale ')}
    write('LocaleNameFuzz', sorted(locales) + ['de_DE.UTF-8@euro', 'C.UTF-8', 'sr-Latn-RS', 'zh-Hant-TW',
                                               'en-US-POSIX', 'es-419', 'x-private', 'de-DE-u-nu-arab'])
    exprs = expressions()
    write('TokenizerFuzz', ['+-*/^(),><=&"\n \r\t\n' + e for e in exprs])
    write('ExpressionFuzz', [e + '\nTheValue=R8:2.5\nx=I4:4\ny=Str:"3"' for e in exprs])
    scripts = sorted((ROOT / 'tests' / 'scripts').glob('*.tav')) + sorted((ROOT / 'examples').glob('*.tav'))
    write('ScriptFuzz', [p.read_text(encoding='utf-8') for p in scripts])
    forms = sorted((ROOT / 'examples' / 'forms').glob('*.form'))
    write('FormFileFuzz', [p.read_text(encoding='utf-8') for p in forms])
    states = sorted((ROOT / 'examples' / 'state').glob('*.xml'))
    write('StateMetaFileFuzz', [p.read_text(encoding='utf-8') for p in states] + [
        '<?xml version="1.0"?>\n<!DOCTYPE State SYSTEM "State.dtd">\n<State type="T">\n'
        '<Property name="A" type="Enum" value="0"><Item name="X" value="0"/></Property>\n'
        '<Property name="B" type="R8" array="yes"><Element value="1.5"/></Property>\n</State>\n',
        '<?xml version="1.0"?>\n<!DOCTYPE State SYSTEM "State.dtd" [<!ENTITY e "x">]>\n<State type="&e;"/>\n'])
    ubiquitin = (ROOT / 'examples' / 'structures' / '1ubi.pdb').read_text(encoding='utf-8')
    head = ubiquitin[:ubiquitin.rfind('\n', 0, 60000) + 1]
    legacy = ''.join(line[:72].ljust(72) + '1UBI%4d\n' % (n % 10000)
                     for n, line in enumerate(head.splitlines(), 1))
    write('StructureFileFuzz', [head, legacy, SMALL_MMCIF,
                                'MODEL        1\n' + '\n'.join(l for l in head.splitlines() if l.startswith('ATOM'))
                                + '\nENDMDL\nMODEL        2\nATOM      1  N   MET A   1      27.340  24.430   2.614  1.00  9.67           N\nENDMDL\n'])
    write('SelectionFuzz', selections())
    bags = []
    for p in forms:
        bag, in_part = [], False
        for line in p.read_text(encoding='utf-8').splitlines():
            if line.startswith('part '):
                in_part = True
            elif in_part and line.startswith('    ') and ' = ' in line:
                bag.append(line.strip())
            elif line and not line.startswith(' '):
                in_part = False
        bags.append('# TAVParts property bag\n' + '\n'.join(bag) + '\n')
    bags.append('# TAVParts property bag\n"Odd key = 1" = I2:1\nA.b-c$ = [R8:1, Str:"x\\ty"]\n')
    write('BagTextFuzz', bags)
    write('FileRegistryFuzz', [
        '# TAVParts registry\n[CLSID\\{D2C9E2A0-0000-4000-8000-000000000001}\\InprocServer32]\n'
        '@ = "/usr/lib/libTAVParts.so"\nThreadingModel = "Apartment"\n'
        '[SCTAVParts.GluPart_ScaleProp\\CLSID]\n@ = "{D2C9E2A0-0000-4000-8000-000000000001}"\n',
        '[a]\n"odd name" = "tab\\there"\n[a\\b]\n@ = ""\n'])


if __name__ == '__main__':
    main()

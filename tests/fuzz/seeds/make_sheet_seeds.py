#!/usr/bin/env python3
"""Writes the seed inputs of fuzz_sheets: a first byte that picks the reader (even: CSV, odd:
.xlsx) before each sheet, one small sheet per encoding and format the readers take, so that
fuzzing starts from every form. Run it from anywhere; it rewrites fuzz_sheets/ beside itself."""
import io
import pathlib
import zipfile

players = "index,id,name,age,attack,gk\r\n0,1,Zoë Ørsted,25,70,1\r\n1,2,\"'007\",30,99,0\r\n"
teams = "position,name,short_name,team_id\r\n0,Austria,AUT,100\r\n"
# Austria's first two players and Belgium's first, with the sample's IDs and shirt numbers.
rosters = (
    "team_id,team_name,slot,player_id,player_name,shirt_number\r\n"
    "100,Austria,0,12555,Florent Silva,92\r\n100,Austria,1,19372,David Blanco,64\r\n"
    "101,Belgium,0,3692,Gonzalo Álvarez,95\r\n"
)

MAIN = "http://schemas.openxmlformats.org/spreadsheetml/2006/main"
REL = "http://schemas.openxmlformats.org/officeDocument/2006/relationships"
PKG = "http://schemas.openxmlformats.org/package/2006/relationships"


def workbook():
    parts = {
        "_rels/.rels": f'<Relationships xmlns="{PKG}"><Relationship Id="r1" '
        f'Type="{REL}/officeDocument" Target="xl/workbook.xml"/></Relationships>',
        "xl/workbook.xml": f'<workbook xmlns="{MAIN}" xmlns:r="{REL}"><sheets>'
        '<sheet name="players" sheetId="1" r:id="r1"/></sheets></workbook>',
        "xl/_rels/workbook.xml.rels": f'<Relationships xmlns="{PKG}">'
        f'<Relationship Id="r1" Type="{REL}/worksheet" Target="worksheets/sheet1.xml"/>'
        f'<Relationship Id="r2" Type="{REL}/sharedStrings" Target="sharedStrings.xml"/>'
        f'<Relationship Id="r3" Type="{REL}/styles" Target="styles.xml"/></Relationships>',
        "xl/sharedStrings.xml": f'<sst xmlns="{MAIN}"><si><t>index</t></si><si><t>id</t></si>'
        "<si><r><t>na</t></r><r><t>me</t></r></si><si><t>age</t></si></sst>",
        "xl/styles.xml": f'<styleSheet xmlns="{MAIN}"><numFmts><numFmt numFmtId="164" '
        'formatCode="d-mmm"/></numFmts><cellXfs><xf numFmtId="0"/><xf numFmtId="164"/>'
        "</cellXfs></styleSheet>",
        "xl/worksheets/sheet1.xml": f'<worksheet xmlns="{MAIN}"><sheetData>'
        '<row r="1"><c r="A1" t="s"><v>0</v></c><c r="B1" t="s"><v>1</v></c>'
        '<c r="C1" t="s"><v>2</v></c><c r="D1" t="s"><v>3</v></c></row>'
        '<row r="2"><c r="A2"><v>0</v></c><c r="B2"><v>1</v></c><c r="C2" t="inlineStr">'
        '<is><t>Adam_x0041_</t></is></c><c r="D2" s="1"><v>25</v></c></row>'
        '<row r="4"><c r="A4"><v>1.0</v></c><c r="B4" t="b"><v>1</v></c>'
        '<c r="C4" t="e"><v>#N/A</v></c><c r="D4"><f>A4*2</f></c></row>'
        "</sheetData></worksheet>",
    }
    out = io.BytesIO()
    with zipfile.ZipFile(out, "w", zipfile.ZIP_DEFLATED) as archive:
        for name, text in parts.items():
            archive.writestr(name, text)
    return out.getvalue()


seeds = {
    "players-utf8": b"\x00\xef\xbb\xbf" + players.encode("utf-8"),
    "players-windows-1252-semicolons": b"\x00" + players.replace(",", ";").encode("cp1252"),
    "players-utf16-tabs": b"\x00" + "\ufeff".encode("utf-16-le")
    + players.replace(",", "\t").encode("utf-16-le"),
    "teams-utf8": b"\x00" + teams.encode("utf-8"),
    "rosters-utf8": b"\x00" + rosters.encode("utf-8"),
    "players-xlsx": b"\x01" + workbook(),
}

folder = pathlib.Path(__file__).resolve().parent / "fuzz_sheets"
folder.mkdir(exist_ok=True)
for old in folder.iterdir():
    old.unlink()
for name, data in seeds.items():
    (folder / name).write_bytes(data)

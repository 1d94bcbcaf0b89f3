#!/usr/bin/python3
"""Writes the DAE folder of the sample school, IES Olaberri BHI, a fictional
centre: examples/centro-ejemplo/DAE/*.txt in Windows-1252, each file one line
of fixed-length records, as DAE exports them.

Run it from anywhere: python3 examples/make_sample_school.py
The output is committed; rerun it after changing this script.

Besides ordinary data, the centre holds the cases that exercise the rules of
the transfer: repeated subject short codes and teacher initials, a room code
used three times, lower- and upper-case room codes, a repeated level code, a
tutor document with trailing blanks, a blank tutor and an unknown one, a
repeated assignment line and lines that match no group or subject.
"""

import os

HERE = os.path.dirname(os.path.abspath(__file__))
DAE = os.path.join(HERE, "centro-ejemplo", "DAE")


def fit(text, width):
    """The text left-aligned in `width` characters; never cut silently."""
    if len(text) > width:
        raise ValueError(f"{text!r} does not fit in {width} characters")
    return text.ljust(width)


def record(*fields, length):
    """Fields given as (text, width) pairs, padded with blanks to `length`."""
    text = "".join(fit(value, width) for value, width in fields)
    if len(text) > length:
        raise ValueError(f"record of {len(text)} characters, expected {length}")
    return text.ljust(length)


def write(name, records):
    """One line with every record back to back, as DAE writes it."""
    with open(os.path.join(DAE, name), "w", encoding="cp1252", newline="") as out:
        out.write("".join(records) + "\r\n")


# --- Code lists ------------------------------------------------------------

TASK_TYPES = [  # type, code, reinforcement, Castilian, Basque, level, other activity
    ("L", "0100", "N", "Docencia directa", "Zuzeneko irakaskuntza", "S", "N"),
    ("L", "0110", "N", "Refuerzo educativo", "Hezkuntza indartzea", "S", "N"),
    ("N", "0200", "N", "Guardia", "Zaintza", "N", "N"),
    ("N", "0210", "N", "Reunión de departamento", "Mintegi-bilera", "N", "S"),
    ("X", "0900", "N", "Tarea retirada (no se usa)", "Kendutako zeregina", "N", "N"),
    ("N", "0300", "S", "Atención a familias", "Familiei arreta", "N", "S"),
]

COURSES = [  # level, speciality, shift, course, Castilian, Basque
    ("0005", "0001", "0001", "0001", "1º ESO", "DBH 1. maila"),
    ("0005", "0001", "0001", "0002", "2º ESO", "DBH 2. maila"),
    ("0005", "0001", "0001", "0003", "3º ESO", "DBH 3. maila"),
    ("0005", "0001", "0001", "0004", "4º ESO", "DBH 4. maila"),
    ("0007", "0102", "0001", "0001", "1º Bachillerato Ciencias", "Batxilergoko 1. maila Zientziak"),
    ("0007", "0103", "0001", "0001", "1º Bachillerato Humanidades", "Batxilergoko 1. maila Giza Zientziak"),
    ("0007", "0102", "0002", "0002", "2º Bachillerato Ciencias", "Batxilergoko 2. maila Zientziak"),
    ("0007", "0103", "0001", "0002", "2º Bachillerato Humanidades", "Batxilergoko 2. maila Giza Zientziak"),
]

MODELS = [("000A", "Modelo A", "A eredua"), ("000B", "Modelo B", "B eredua"), ("000D", "Modelo D", "D eredua")]

# code, Castilian, Basque, short Castilian, short Basque, code Cast., code Basque, type
SUBJECTS = [
    ("01010001", "Matemáticas", "Matematika", "Matemáticas", "Matematika", "MAT", "MAT", "0001"),
    ("01010002", "Matemáticas Aplicadas", "Matematika Aplikatuak", "Mat. Aplicadas", "Mat. Aplikatuak",
     "MAT", "MATA", "0001"),
    ("01010003", "Matemáticas II", "Matematika II", "Matemáticas II", "Matematika II", "Mat", "MAT2", "0001"),
    ("01020001", "Lengua Castellana y Literatura", "Gaztelania eta Literatura", "Lengua", "Gaztelania",
     "", "GAZ", "0001"),
    ("01020002", "Lengua Vasca y Literatura", "Euskara eta Literatura", "Euskera", "Euskara", "EUS", "EUS",
     "0001"),
    ("01030001", "Inglés", "Ingelesa", "Inglés", "Ingelesa", "ING", "ING", "0001"),
    ("01030002", "Francés (optativa)", "Frantsesa (hautazkoa)", "Francés", "Frantsesa", "FRA", "FRA", "0002"),
    ("01040001", "Geografía e Historia", "Geografia eta Historia", "Geo. e Historia", "Geo. eta Historia",
     "GH", "GH", "0001"),
    ("01050001", "Biología y Geología", "Biologia eta Geologia", "Biología", "Biologia", "BG", "BG", "0001"),
    ("01050002", "Física y Química", "Fisika eta Kimika", "Física y Química", "Fisika eta Kimika", "FQ", "FK",
     "0001"),
    ("01060001", "Música", "Musika", "Música", "Musika", "", "", "0001"),
    ("01070001", "Educación Física", "Gorputz Hezkuntza", "Ed. Física", "Gorputz Hez.", "EF", "GH", "0001"),
    ("01080001", "Tecnología y Digitalización", "Teknologia eta Digitalizazioa", "Tecnología", "Teknologia",
     "TEC", "TEK", "0001"),
    ("01090001", "Educación Plástica, Visual y Audiovisual", "Hezkuntza Plastikoa, Bisuala eta Ikus-entzunezkoa",
     "Plástica", "Plastika", "", "", "0001"),
    ("01100001", "Filosofía", "Filosofia", "Filosofía", "Filosofia", "FIL", "FIL", "0001"),
    ("01100002", "Historia de la Filosofía", "Filosofiaren Historia", "Hª Filosofía", "Filosofiaren Hª",
     "HFIL", "HFIL", "0001"),
    ("01110001", "Economía", "Ekonomia", "Economía", "Ekonomia", "ECO", "EKO", "0002"),
    ("01120001", "Latín", "Latina", "Latín", "Latina", "LAT", "LAT", "0002"),
    ("01130001", "Religión / Valores Cívicos", "Erlijioa / Balio Zibikoak", "Religión", "Erlijioa", "REL", "ERL",
     "0002"),
    ("01140001", "Tutoría", "Tutoretza", "Tutoría", "Tutoretza", "TUT", "TUT", "0003"),
    ("01150001", "Dibujo Técnico I", "Marrazketa Teknikoa I", "Dibujo Téc. I", "Marrazketa T. I", "DT", "MT",
     "0001"),
    ("01150002", "Dibujo Técnico II", "Marrazketa Teknikoa II", "Dibujo Téc. II", "Marrazketa T. II", "DT",
     "MT", "0001"),
]

OTHER_ACTIVITIES = [  # code, Castilian, Basque, short Castilian, short Basque
    ("001", "Biblioteca", "Liburutegia", "Biblioteca", "Liburutegia"),
    ("002", "Coordinación TIC", "IKT koordinazioa", "Coord. TIC", "IKT koord."),
    ("003", "Coordinación de convivencia", "Bizikidetzaren koordinazioa", "Convivencia", "Bizikidetza"),
]

DOCUMENT_TYPES = [
    ("0001", "Documento Nacional de Identidad", "Nortasun Agiri Nazionala"),
    ("0002", "Número de Identidad de Extranjero", "Atzerritarren Identifikazio Zenbakia"),
    ("0003", "Pasaporte", "Pasaportea"),
]

LEVELS = [  # code, plan, Castilian, Basque, short Castilian, short Basque
    ("0005", "0010", "Educación Secundaria Obligatoria", "Derrigorrezko Bigarren Hezkuntza", "E.S.O.", "D.B.H."),
    ("0007", "0010", "Bachillerato", "Batxilergoa", "Bachillerato", "Batxilergoa"),
    # DAE lists a level once per plan; only the first record of a code counts.
    ("0005", "0009", "Educación Secundaria (plan anterior)", "Bigarren Hezkuntza (aurreko plana)", "ESO ant.",
     "DBH aur."),
    ("0012", "0010", "Programa de Diversificación Curricular", "Curriculum Dibertsifikaziorako Programa",
     "Diversificación", "Dibertsifikazioa"),
]

SPECIALITIES = [
    ("0001", "General", "Orokorra"),
    ("0102", "Ciencias y Tecnología", "Zientziak eta Teknologia"),
    ("0103", "Humanidades y Ciencias Sociales", "Giza eta Gizarte Zientziak"),
]

LANGUAGES = [  # code, Castilian, Basque, short Castilian, short Basque
    ("01", "Castellano", "Gaztelania", "CAS", "GAZ"),
    ("02", "Euskera", "Euskara", "EUS", "EUS"),
    ("03", "Inglés", "Ingelesa", "ING", "ING"),
    ("04", "Francés", "Frantsesa", "FRA", "FRA"),
]

# --- The centre -------------------------------------------------------------

CENTRE_CODE = "014725"
ACADEMIC_YEAR = "2025"

# Document type, number, first surname, second surname, given name, department.
# GLA three times (once in lower case), EZM twice, an empty second surname, a
# department longer than the 40 characters Tablorix keeps, and two teachers
# without a document number (one without its type either), which the DAE
# codification asks for.
TEACHERS = [
    ("0001", "30611245K", "GARAIKOETXEA", "LARRAÑAGA", "AITZIBER", "Matemáticas"),
    ("0001", "72480917M", "GARCÍA", "LÓPEZ", "ANA", "Matemáticas"),
    ("0001", "16094123X", "GOÑI", "LASA", "ANDONI", "Tecnología"),
    ("0002", "X4093321T", "Gil", "luján", "alba", "Inglés"),
    ("0001", "44120987B", "ETXEBERRIA", "ZUBIRI", "MIREN", "Lengua Vasca y Literatura"),
    ("0001", "15230044H", "ECHEVARRÍA", "ZABALA", "MARTA", "Lengua Castellana y Literatura"),
    ("0001", "78901234C", "IRIGOIEN", "", "JOSU", "Educación Física"),
    ("0001", "29384756D", "ARRIETA", "BENGOETXEA", "NEREA", "Geografía e Historia"),
    ("0001", "11223344E", "BARRENETXEA", "OLANO", "IÑAKI", "Física y Química"),
    ("0001", "55667788F", "CASTAÑO", "RUIZ", "LUCÍA", "Biología y Geología"),
    ("0001", "99001122G", "DORRONSORO", "AGIRRE", "KOLDO", "Música"),
    ("0001", "33445566H", "ELORZA", "MUGIKA", "AMAIA", "Filosofía"),
    ("0001", "66778899J", "FERNÁNDEZ", "ORTIZ", "PABLO", "Economía"),
    ("0001", "12121212K", "GARMENDIA", "URIBE", "ENEKO", "Latín y Griego"),
    ("0001", "23232323L", "HERNÁNDEZ", "SÁEZ", "JULIA", "Francés"),
    ("0001", "34343434M", "IBARGUREN", "SARASOLA", "ITZIAR", "Orientación"),
    ("0001", "45454545N", "JAUREGI", "ARANA", "UNAI", "Matemáticas"),
    ("0001", "56565656P", "LANDA", "ECHEGARAY", "BEGOÑA", "Inglés"),
    ("0001", "67676767Q", "MARTÍNEZ", "PEÑA", "RAÚL", "Educación Plástica, Visual y Audiovisual"),
    ("0001", "", "NÚÑEZ", "OTAEGI", "ESTIBALIZ", "Lengua Castellana y Literatura"),
    ("0001", "89898989S", "OLAIZOLA", "TXURRUKA", "GORKA", "Tecnología"),
    ("0001", "90909090T", "PÉREZ", "QUINTANA", "SONIA", "Religión"),
    ("0001", "10101010V", "RETEGI", "SALABERRIA", "OIHANA", "Lengua Vasca y Literatura"),
    ("0001", "20202020W", "SAN SEBASTIÁN", "TELLERIA", "ÁLVARO", "Geografía e Historia"),
    ("0001", "30303030Y", "TXAPARTEGI", "UGARTE", "LEIRE", "Biología y Geología"),
    ("0001", "40404040Z", "URIARTE", "VIDAURRE", "XABIER", "Física y Química"),
    ("0001", "50505050A", "VÁZQUEZ", "YARZA", "CARMEN", "Departamento de Innovación Pedagógica y Formación Permanente"),
    ("0001", "60606060B", "ZUBELDIA", "AIZPURU", "HAIZEA", "Matemáticas"),
    ("0001", "70707070C", "AGIRREZABALA", "BERASATEGI", "JON", "Educación Física"),
    ("0001", "80808080D", "BIKANDI", "CALVO", "NAIARA", "Inglés"),
    ("0001", "91919191E", "CORTÁZAR", "DÍEZ", "MIKEL", "Filosofía"),
    ("0001", "13131313F", "DOMÍNGUEZ", "ELKORO", "ANE", "Economía"),
    ("", "", "EGAÑA", "FERRERAS", "IKER", "Música"),
    ("0002", "Y1234567X", "FOURNIER", "", "CLAIRE", "Francés"),
    ("0001", "35353535H", "GALARRAGA", "HUARTE", "MAIALEN", "Lengua Castellana y Literatura"),
    ("0001", "46464646J", "GARCÍA", "LARREA", "ARITZ", "Tecnología"),
    ("0001", "57575757K", "ETXANIZ", "ZUMALDE", "MAITANE", "Lengua Vasca y Literatura"),
    ("0001", "68686868L", "HUICI", "IRAOLA", "TXEMA", "Educación Física"),
    ("0003", "PAB123456", "ILUNDAIN", "JAUREGIBERRI", "EDURNE", "Orientación"),
    ("0001", "79797979M", "JIMÉNEZ", "KORTA", "ROSA", "Geografía e Historia"),
]

# The teacher records of a public centre: 578 characters each.
TEACHER_RECORD_LENGTH = 578

# DAE room code, name, capacity ("030", " 25" and "  8" are all whole numbers).
ROOMS = [
    ("A101", "Aula 1.01 (1º ESO A)", "030"),
    ("A102", "Aula 1.02 (1º ESO B)", "030"),
    ("A103", "Aula 1.03 (1º ESO C)", "028"),
    ("A201", "Aula 2.01", "030"),
    ("A202", "Aula 2.02", "030"),
    ("A203", "Aula 2.03", "030"),
    ("A204", "Aula 2.04", "030"),
    ("A301", "Aula 3.01", "032"),
    ("A302", "Aula 3.02", "032"),
    ("A303", "Aula 3.03", "032"),
    ("A304", "Aula 3.04", "032"),
    ("A305", "Aula 3.05", " 25"),
    ("LAB1", "Laboratorio de Física y Química", "024"),
    ("LAB1", "Laboratorio de Biología (antiguo LAB1)", "024"),
    ("LAB1", "Laboratorio de Ciencias (anexo)", "020"),
    ("GIM", "Gimnasio / Kiroldegia", "060"),
    ("MUS", "Aula de Música", "030"),
    ("PLA", "Aula de Plástica y Dibujo", "028"),
    ("TEC", "Taller de Tecnología", "024"),
    ("INF1", "Aula de Informática 1", "024"),
    ("a1", "Seminario a1 (desdobles)", "  8"),
    ("A1", "Sala de reuniones A1", "012"),
    ("BIB", "Biblioteca / Liburutegia", "040"),
    ("SUM", "Salón de actos", "120"),
]

# DAE group code, name, plan, level, speciality, shift, course, model, group
# type, template, tutor document (type, number), maximum pupils, second
# description, room, number of kind-"3" records that follow.
GROUPS = [
    ("01ESO1A", "1º ESO A", "0010", "0005", "0001", "0001", "0001", "000D", "0001", "ORD2526",
     ("0001", "72480917M"), "  28", "PRIMERO A", "A101", 3),
    ("01ESO1B", "1º ESO B", "0010", "0005", "0001", "0001", "0001", "000D", "0001", "ORD2526",
     ("0001", "44120987B"), "  28", "PRIMERO B", "A102", 2),
    ("01ESO1C", "1º ESO C", "0010", "0005", "0001", "0001", "0001", "000B", "0001", "ORD2526",
     ("0001", "15230044H"), "  27", "PRIMERO C", "A103", 0),
    ("02ESO2A", "2º ESO A", "0010", "0005", "0001", "0001", "0002", "000D", "0001", "ORD2526",
     ("0001", "29384756D"), "  30", "SEGUNDO A", "A201", 1),
    ("02ESO2B", "2º ESO B", "0010", "0005", "0001", "0001", "0002", "000D", "0001", "ORD2526",
     ("0002", "X4093321T"), "  29", "SEGUNDO B", "A202", 0),
    # A blank tutor document: no tutor.
    ("03ESO3A", "3º ESO A", "0010", "0005", "0001", "0001", "0003", "000D", "0001", "ORD2526",
     ("", ""), "  30", "TERCERO A", "A203", 0),
    # A document no teacher carries: no tutor either.
    ("03ESO3B", "3º ESO B", "0010", "0005", "0001", "0001", "0003", "000D", "0001", "ORD2526",
     ("0001", "00000000T"), "  30", "TERCERO B", "A204", 2),
    ("04ESO4A", "4º ESO A", "0010", "0005", "0001", "0001", "0004", "000D", "0001", "ORD2526",
     ("0001", "55667788F"), "  26", "CUARTO A", "A301", 0),
    ("05BT1CT", "1º Bach. Ciencias", "0010", "0007", "0102", "0001", "0001", "000D", "0001", "ORD2526",
     ("0001", "11223344E"), "  32", "PRIMERO CIENCIAS", "A302", 1),
    ("05BT1HC", "1º Bach. Humanidades", "0010", "0007", "0103", "0001", "0001", "000D", "0001", "ORD2526",
     ("0001", "33445566H"), "  31", "PRIMERO HUMANIDADES", "A303", 0),
    # An afternoon group.
    ("06BT2CT", "2º Bach. Ciencias", "0010", "0007", "0102", "0002", "0002", "000D", "0001", "ORD2526",
     ("0001", "40404040Z"), "  30", "SEGUNDO CIENCIAS", "A304", 0),
    ("06BT2HC", "2º Bach. Humanidades", "0010", "0007", "0103", "0001", "0002", "000A", "0001", "ORD2526",
     ("0001", "91919191E"), "  25", "SEGUNDO HUMANIDADES", "A305", 1),
]

# Subjects by plan, level and speciality (plan 0010 throughout).
ESO_SUBJECTS = ["01010001", "01020001", "01020002", "01030001", "01040001", "01050001", "01050002",
                "01060001", "01070001", "01080001", "01090001", "01130001", "01140001"]
ESO_APPLIED = ["01010002", "01030002"]
BACH_COMMON = ["01020001", "01020002", "01030001", "01070001", "01100001", "01140001"]
BACH_SCIENCE = ["01010001", "01010003", "01050001", "01050002", "01150001", "01150002"]
BACH_HUMANITIES = ["01040001", "01100002", "01110001", "01120001", "01030002"]

ASSIGNMENT_LINES = (
    [("0005", "0010", "0001", s) for s in ESO_SUBJECTS + ESO_APPLIED]
    + [("0007", "0010", "0102", s) for s in BACH_COMMON + BACH_SCIENCE]
    + [("0007", "0010", "0103", s) for s in BACH_COMMON + BACH_HUMANITIES]
    # Repeated line: still one assignment.
    + [("0005", "0010", "0001", "01010001")]
    # No group of level 0012, and a subject DAE does not list: both skipped.
    + [("0012", "0010", "0001", "01010001"), ("0005", "0010", "0001", "09990001")]
)

# Templates: code, name, days, hours (number, start, end, break flag).
ORDINARY_HOURS = [
    (1, "08:15", "09:10", "0"),
    (2, "09:10", "10:05", "0"),
    (3, "10:05", "11:00", "0"),
    (4, "11:00", "11:30", "1"),
    (5, "11:30", "12:25", "0"),
    (6, "12:25", "13:20", "0"),
    (7, "13:20", "14:15", "0"),
]
SHORT_HOURS = [
    (1, "08:30", "09:25", "0"),
    (2, "09:25", "10:20", "0"),
    (3, "10:20", "10:50", "1"),
    (4, "10:50", "11:45", "0"),
    (5, "11:45", "12:40", "0"),
]
TEMPLATES = [
    ("ORD2526", "Horario ordinario 2025-2026 / Ohiko ordutegia", range(1, 6), ORDINARY_HOURS),
    ("JUN2526", "Jornada intensiva junio / Ekaineko jardunaldia", range(1, 6), SHORT_HOURS),
]


def code_lists():
    write("T13.txt", [record((t, 1), (c, 4), (r, 1), (cas, 250), (eus, 250), (n, 1), (o, 1), length=508)
                      for t, c, r, cas, eus, n, o in TASK_TYPES])
    write("V55T12.txt", [record((lv + "0010" + cu, 12), (lv, 4), (sp, 4), (sh, 4), (cu, 4), (cas, 50), (eus, 50),
                                length=128) for lv, sp, sh, cu, cas, eus in COURSES])
    write("V55T35.txt", [record((c, 4), (cas, 15), (eus, 15), length=34) for c, cas, eus in MODELS])
    write("V55T15W18T54_1.txt", [record((c, 8), (cas, 100), (eus, 100), (rc, 20), (re, 20), (cc, 4), (ce, 4),
                                        (t, 4), length=260) for c, cas, eus, rc, re, cc, ce, t in SUBJECTS])
    write("T07.txt", [record((c, 3), (cas, 100), (eus, 100), (rc, 20), (re, 20), length=243)
                      for c, cas, eus, rc, re in OTHER_ACTIVITIES])
    write("V55T86.txt", [record((c, 4), (cas, 100), (eus, 100), length=204) for c, cas, eus in DOCUMENT_TYPES])
    write("V55T11.txt", [record((c, 4), (p, 4), (cas, 50), (eus, 50), (rc, 20), (re, 20), length=148)
                         for c, p, cas, eus, rc, re in LEVELS])
    write("V55T14.txt", [record((c, 4), (cas, 50), (eus, 50), length=104) for c, cas, eus in SPECIALITIES])
    write("T55.txt", [record((c, 2), (cas, 100), (eus, 100), (rc, 4), (re, 4), length=210)
                      for c, cas, eus, rc, re in LANGUAGES])


def teachers():
    head = "PR1" + CENTRE_CODE + ACADEMIC_YEAR
    records = []
    for number, (doc_type, doc, first, second, given, department) in enumerate(TEACHERS, start=1):
        email = f"irakaslea{number:02d}@olaberri.example"
        records.append(record(("01", 2), (doc_type, 4), (doc, 15), (first, 50), (second, 50), (given, 30),
                              ("", 9), (department, 150), (email, 100), length=TEACHER_RECORD_LENGTH))
    write("profesorado.txt", [head] + records)


def rooms():
    write("AULAS.txt", [record((code, 8), (name, 50), (capacity, 3), length=61) for code, name, capacity in ROOMS])


def groups():
    head = "GR1" + CENTRE_CODE + ACADEMIC_YEAR
    records = [head]
    for (code, name, plan, level, speciality, shift, course, model, group_type, template, (doc_type, doc),
         pupils, second, room, pupil_records) in GROUPS:
        records.append(record(("2", 1), (code, 8), (name, 50), (plan, 4), (level, 4), (speciality, 4), (shift, 4),
                              (course, 4), (model, 4), (group_type, 4), (template, 8), (doc_type, 4), (doc, 15),
                              ("", 171), (pupils, 4), (second, 50), ("", 200), (room, 8), length=547))
        # Kind-"3" records (pupils' languages by subject in DAE); the transfer skips them.
        for n in range(pupil_records):
            records.append(record(("3", 1), (code, 8), (f"{n + 1:04d}", 4), ("02", 2), ("01010001", 8), length=23))
    write("GRUPOS.txt", records)


def assignments():
    write("V55T15W18T54_2.txt", [record((lv, 4), (pl, 4), (sp, 4), (su, 8), length=20)
                                 for lv, pl, sp, su in ASSIGNMENT_LINES])


def templates():
    records = []
    for code, name, days, hours in TEMPLATES:
        records.append(record(("1", 1), (code, 8), (name, 50), length=59))
        for day in days:
            for number, start, end, flag in hours:
                records.append(record(("2", 1), (f"{number:02d}", 2), (str(day), 1), (start, 5), (end, 5),
                                      (flag, 1), length=15))
    write("PLANTILLAS.txt", records)


def main():
    os.makedirs(DAE, exist_ok=True)
    code_lists()
    teachers()
    rooms()
    groups()
    assignments()
    templates()


if __name__ == "__main__":
    main()

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="eu_ES">
<context>
    <name>Help</name>
    <message>
        <source>No se encuentra la ayuda: falta el archivo %1.</source>
        <translation>Ez da laguntza aurkitzen: %1 fitxategia falta da.</translation>
    </message>
    <message>
        <source>No se puede mostrar la ayuda: este equipo no tiene ningún programa para abrir %1.</source>
        <translation>Ezin da laguntza erakutsi: ordenagailu honek ez du %1 irekitzeko programarik.</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>&amp;Sí</source>
        <translation>&amp;Bai</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Ez</translation>
    </message>
    <message>
        <source>Aceptar</source>
        <translation>Ados</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Utzi</translation>
    </message>
</context>
<context>
    <name>MissingCodes</name>
    <message>
        <source>Profesor %1: sin documento (DNI)</source>
        <translation>%1 irakaslea: agiririk gabe (NAN)</translation>
    </message>
    <message>
        <source>%1, día %2, sesión %3 (%4): sin Cód.ASIG ni ACTIV.</source>
        <translation>%1, %2. eguna, %3. saioa (%4): IRAKG.KOD. eta JARD. gabe.</translation>
    </message>
</context>
<context>
    <name>TablorixIni</name>
    <message>
        <source>No se puede leer %1</source>
        <translation>Ezin da %1 irakurri</translation>
    </message>
    <message>
        <source>No se puede escribir %1</source>
        <translation>Ezin da %1 idatzi</translation>
    </message>
</context>
<context>
    <name>tv::app::CentreModel</name>
    <message>
        <source>Código CENTRO</source>
        <translation>IKASTETXEAREN kodea</translation>
    </message>
    <message>
        <source>Año Académico</source>
        <translation>Ikasturtea</translation>
    </message>
    <message>
        <source>Versión</source>
        <translation>Bertsioa</translation>
    </message>
</context>
<context>
    <name>tv::app::CentrePanel</name>
    <message>
        <source>Aceptar o Corregir sus Datos del Centro:</source>
        <translation>Onartu edo zuzendu ikastetxeko datuak:</translation>
    </message>
    <message>
        <source>!!! I M P O R T A N T E !!!</source>
        <translation>!!! GARRANTZITSUA !!!</translation>
    </message>
    <message>
        <source>Indique si su Centro es :</source>
        <translation>Adierazi ikastetxe mota :</translation>
    </message>
    <message>
        <source>de ENTIDAD PÚBLICA:</source>
        <translation>ERAKUNDE PUBLIKOKOA:</translation>
    </message>
    <message>
        <source>PRIVADO o CONCERTADO:</source>
        <translation>PRIBATUA edo ITUNPEKOA:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Ados</translation>
    </message>
</context>
<context>
    <name>tv::app::ClassesModel</name>
    <message>
        <source>Profe.</source>
        <translation>Irak.</translation>
    </message>
    <message>
        <source>Día</source>
        <translation>Eguna</translation>
    </message>
    <message>
        <source>Sesión</source>
        <translation>Saioa</translation>
    </message>
    <message>
        <source>H.INI.</source>
        <translation>H.HAS.</translation>
    </message>
    <message>
        <source>H. FIN</source>
        <translation>H. AMA.</translation>
    </message>
    <message>
        <source>Asignatura</source>
        <translation>Irakasgaia</translation>
    </message>
    <message>
        <source>Nombre ASIGNATURA</source>
        <translation>IRAKASGAIAREN izena</translation>
    </message>
    <message>
        <source>Cód.ASIG</source>
        <translation>IRAKG.KOD.</translation>
    </message>
    <message>
        <source>TAREA</source>
        <translation>ZEREGINA</translation>
    </message>
    <message>
        <source>NIVEL</source>
        <translation>MAILA</translation>
    </message>
    <message>
        <source>IDIOMA</source>
        <translation>HIZKUNTZA</translation>
    </message>
    <message>
        <source>ACTIV.</source>
        <translation>JARD.</translation>
    </message>
    <message>
        <source>PLAN</source>
        <translation>PLANA</translation>
    </message>
</context>
<context>
    <name>tv::app::CodificationExtras</name>
    <message>
        <source>Ver lista...</source>
        <translation>Ikusi zerrenda...</translation>
    </message>
    <message>
        <source>Horario semanal del profesor...</source>
        <translation>Irakaslearen asteko ordutegia...</translation>
    </message>
    <message>
        <source>Todos los registros tienen sus códigos.</source>
        <translation>Erregistro guztiek dute beren kodea.</translation>
    </message>
    <message>
        <source>Registros sin código: %1</source>
        <translation>Koderik gabeko erregistroak: %1</translation>
    </message>
    <message>
        <source>Horario semanal de %1</source>
        <translation>%1 irakaslearen asteko ordutegia</translation>
    </message>
    <message>
        <source>Registros sin código</source>
        <translation>Koderik gabeko erregistroak</translation>
    </message>
    <message>
        <source>Cerrar</source>
        <translation>Itxi</translation>
    </message>
</context>
<context>
    <name>tv::app::CursorTableModel</name>
    <message>
        <source>El texto «%1» tiene caracteres que no caben en la tabla.</source>
        <translation>«%1» testuak taulan sartzen ez diren karaktereak ditu.</translation>
    </message>
</context>
<context>
    <name>tv::app::DaeHeading</name>
    <message>
        <source>DAE</source>
        <translation>DAE</translation>
    </message>
</context>
<context>
    <name>tv::app::DirectionPanel</name>
    <message>
        <source>Transformar datos desde DAE hacia Tablorix </source>
        <translation>Datuak DAEtik Tablorixera eraldatu </translation>
    </message>
    <message>
        <source>Transformar datos desde Tablorix hacia DAE</source>
        <translation>Datuak Tablorixetik DAEra eraldatu</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Ados</translation>
    </message>
    <message>
        <source>Recoger Textos en:</source>
        <translation>Testuen hizkuntza:</translation>
    </message>
</context>
<context>
    <name>tv::app::FindingsDialog</name>
    <message>
        <source>Comprobación de fCUADROS.txt</source>
        <translation>fCUADROS.txt fitxategiaren egiaztapena</translation>
    </message>
    <message>
        <source>Doble clic en una línea para ir al registro en la ventana de codificación.</source>
        <translation>Egin klik bikoitza lerro batean kodetze-leihoko erregistrora joateko.</translation>
    </message>
    <message>
        <source>&amp;Guardar informe...</source>
        <translation>&amp;Gorde txostena...</translation>
    </message>
    <message>
        <source>&amp;Cerrar</source>
        <translation>&amp;Itxi</translation>
    </message>
    <message>
        <source>Guardar informe de la comprobación</source>
        <translation>Gorde egiaztapenaren txostena</translation>
    </message>
    <message>
        <source>Hojas de cálculo CSV (*.csv)</source>
        <translation>CSV kalkulu-orriak (*.csv)</translation>
    </message>
</context>
<context>
    <name>tv::app::FindingsModel</name>
    <message>
        <source>Gravedad</source>
        <translation>Larritasuna</translation>
    </message>
    <message>
        <source>Descripción</source>
        <translation>Deskribapena</translation>
    </message>
</context>
<context>
    <name>tv::app::FolderPanel</name>
    <message>
        <source>Carpeta en la que se encuentran los Ficheros TXT de DAE</source>
        <translation>DAEren TXT fitxategiak dauden karpeta</translation>
    </message>
    <message>
        <source>Ruta Actual:</source>
        <translation>Bidea:</translation>
    </message>
    <message>
        <source>TransTablorixDAE para TX19 V-1.0</source>
        <translation>TransTablorixDAE TX19rako V-1.0</translation>
    </message>
    <message>
        <source>F1 AYUDA</source>
        <translation>F1 LAGUNTZA</translation>
    </message>
    <message>
        <source>&amp;Salir</source>
        <translation>&amp;Irten</translation>
    </message>
</context>
<context>
    <name>tv::app::GroupsModel</name>
    <message>
        <source>Grupo</source>
        <translation>Taldea</translation>
    </message>
    <message>
        <source>Cód.GRUP.</source>
        <translation>TALDE.KOD.</translation>
    </message>
    <message>
        <source>Grupo ALIAS DAE</source>
        <translation>Taldearen DAE ALIASA</translation>
    </message>
    <message>
        <source>Núm.Alumnos</source>
        <translation>Ikasle kop.</translation>
    </message>
</context>
<context>
    <name>tv::app::LevelsModel</name>
    <message>
        <source>COD</source>
        <translation>KOD</translation>
    </message>
    <message>
        <source>DESCCASTELLANO</source>
        <translation>DESKGAZTELANIA</translation>
    </message>
    <message>
        <source>ABREVCAST</source>
        <translation>LABURGAZT</translation>
    </message>
    <message>
        <source>DESCEUSKERA</source>
        <translation>DESKEUSKARA</translation>
    </message>
    <message>
        <source>ABREVEUSK</source>
        <translation>LABUREUSK</translation>
    </message>
</context>
<context>
    <name>tv::app::LevelsPanel</name>
    <message>
        <source>NIVELES DE ESTUDIOS</source>
        <translation>IKASKETA MAILAK</translation>
    </message>
    <message>
        <source>Escriba las Abreviaturas (hasta 5 caracteres) en Castellano y / o Euskera, de los NIVELES de Estudio que se imparten en el Centro. </source>
        <translation>Idatzi ikastetxean ematen diren ikasketa MAILEN laburdurak (gehienez 5 karaktere), gaztelaniaz eta / edo euskaraz. </translation>
    </message>
    <message>
        <source>ATENCIÓN - Las Abreviaturas deben ser distintas, y no repetirse. </source>
        <translation>ADI - Laburdurek desberdinak izan behar dute, errepikatu gabe. </translation>
    </message>
    <message>
        <source>Volver a Datos Centro</source>
        <translation>Itzuli ikastetxearen datuetara</translation>
    </message>
    <message>
        <source>Aceptar</source>
        <translation>Ados</translation>
    </message>
</context>
<context>
    <name>tv::app::PlantillaModel</name>
    <message>
        <source>HORA</source>
        <translation>ORDUA</translation>
    </message>
    <message>
        <source>HORA INICIO CLASE</source>
        <translation>ESKOLA HASIERA ORDUA</translation>
    </message>
    <message>
        <source>HORA FINAL CLASE</source>
        <translation>ESKOLA AMAIERA ORDUA</translation>
    </message>
</context>
<context>
    <name>tv::app::RecordNavigator</name>
    <message>
        <source>Primer registro</source>
        <translation>Lehen erregistroa</translation>
    </message>
    <message>
        <source>Retroceder 10 registros</source>
        <translation>Atzera 10 erregistro</translation>
    </message>
    <message>
        <source>Registro anterior</source>
        <translation>Aurreko erregistroa</translation>
    </message>
    <message>
        <source>Registro siguiente</source>
        <translation>Hurrengo erregistroa</translation>
    </message>
    <message>
        <source>Avanzar 10 registros</source>
        <translation>Aurrera 10 erregistro</translation>
    </message>
    <message>
        <source>Último registro</source>
        <translation>Azken erregistroa</translation>
    </message>
    <message>
        <source>Modificar registro</source>
        <translation>Aldatu erregistroa</translation>
    </message>
    <message>
        <source>Guardar cambios</source>
        <translation>Gorde aldaketak</translation>
    </message>
    <message>
        <source>Cancelar cambios</source>
        <translation>Baztertu aldaketak</translation>
    </message>
    <message>
        <source>Refrescar datos</source>
        <translation>Freskatu datuak</translation>
    </message>
</context>
<context>
    <name>tv::app::TAjustaDAE</name>
    <message>
        <source>CODIFICACIÓN Datos DAE</source>
        <translation>DAE datuen KODETZEA</translation>
    </message>
    <message>
        <source>AJUSTES Y CODIFICACION DE DATOS EXPORTACIÓN PARA D.A.E.</source>
        <translation>D.A.E.-RAKO ESPORTAZIO DATUEN DOIKUNTZA ETA KODETZEA</translation>
    </message>
    <message>
        <source>Deberán CODIFICAR los Datos del DAE necesarios, si no tienen contenido. El Tipo Documento y el DNI de los PROFESORES. Y si fuese necesario, la ACTIVIDAD en los Registros de TIPO 2, y el Núm.Alumnos en los Registros de TIPO 3.</source>
        <translation>Beharrezko DAE datuak KODETU behar dira, edukirik ez badute: IRAKASLEEN agiri mota eta NANa. Eta beharrezkoa bada, 2. MOTAKO erregistroetako JARDUERA, eta 3. MOTAKO erregistroetako ikasle kopurua.</translation>
    </message>
    <message>
        <source>Datos del Centro:</source>
        <translation>Ikastetxearen datuak:</translation>
    </message>
    <message>
        <source>Cód.Centro</source>
        <translation>Ikastetxe kod.</translation>
    </message>
    <message>
        <source>Año Académico</source>
        <translation>Ikasturtea</translation>
    </message>
    <message>
        <source>Versión</source>
        <translation>Bertsioa</translation>
    </message>
    <message>
        <source>PROFESORES</source>
        <translation>IRAKASLEAK</translation>
    </message>
    <message>
        <source>REGISTROS de TIPO 2 - Asignaturas del Profesor.</source>
        <translation>2. MOTAKO ERREGISTROAK - Irakaslearen irakasgaiak.</translation>
    </message>
    <message>
        <source>Si la TAREA  NO es &quot;Lectiva&quot;,  ACTIV. debe tener contenido. </source>
        <translation>ZEREGINA &quot;Lektiboa&quot; EZ bada,  JARD. bete behar da. </translation>
    </message>
    <message>
        <source>REGISTROS de TIPO 3 - Alumnos del Grupo.</source>
        <translation>3. MOTAKO ERREGISTROAK - Taldeko ikasleak.</translation>
    </message>
    <message>
        <source>El PLAN se rellenará automáticamente, después de seleccionar el NIVEL.</source>
        <translation>PLANA automatikoki beteko da, MAILA hautatu ondoren.</translation>
    </message>
    <message>
        <source>&amp;Terminar</source>
        <translation>&amp;Amaitu</translation>
    </message>
    <message>
        <source>&amp;Comprobar</source>
        <translation>&amp;Egiaztatu</translation>
    </message>
    <message>
        <source>Comprueba fCUADROS.txt antes de enviarlo: errores que DAE no puede aceptar y avisos de probables equivocaciones</source>
        <translation>fCUADROS.txt egiaztatzen du bidali aurretik: DAEk onartu ezin dituen akatsak eta litekeen okerren abisuak</translation>
    </message>
    <message>
        <source>La comprobación ha encontrado 1 error que DAE no puede aceptar (vea la lista).</source>
        <translation>Egiaztapenak DAEk onartu ezin duen akats 1 aurkitu du (ikusi zerrenda).</translation>
    </message>
    <message>
        <source>La comprobación ha encontrado %1 errores que DAE no puede aceptar (vea la lista).</source>
        <translation>Egiaztapenak DAEk onartu ezin dituen %1 akats aurkitu ditu (ikusi zerrenda).</translation>
    </message>
    <message>
        <source>¿Desea escribir fCUADROS.txt de todos modos?</source>
        <translation>fCUADROS.txt idatzi nahi duzu hala ere?</translation>
    </message>
</context>
<context>
    <name>tv::app::TControlPlantilla</name>
    <message>
        <source>Control de Plantilla Horaria</source>
        <translation>Ordutegi txantiloiaren kontrola</translation>
    </message>
    <message>
        <source>COMPROBACIÓN DE LA PLANTILLA HORARIA DEL CENTRO</source>
        <translation>IKASTETXEKO ORDUTEGI TXANTILOIAREN EGIAZTAPENA</translation>
    </message>
    <message>
        <source>PLANTILLA HORARIA DEL CENTRO</source>
        <translation>IKASTETXEKO ORDUTEGI TXANTILOIA</translation>
    </message>
    <message>
        <source>Modifique, en caso necesario, las Horas de Inicio y Final de Clase, en la presente rejilla. Deben ser iguales que la Plantilla Horaria de su Centro.</source>
        <translation>Beharrezkoa bada, aldatu eskolen hasiera eta amaiera orduak sareta honetan. Zure ikastetxeko ordutegi txantiloiaren berdinak izan behar dute.</translation>
    </message>
    <message>
        <source>Aceptar</source>
        <translation>Ados</translation>
    </message>
</context>
<context>
    <name>tv::app::TMForm</name>
    <message>
        <source>Exportar e importar datos entre Tablorix y DAE</source>
        <translation>Datuak Tablorix eta DAEren artean esportatu eta inportatu</translation>
    </message>
    <message>
        <source>No existe la carpeta</source>
        <translation>Karpeta ez da existitzen</translation>
    </message>
</context>
<context>
    <name>tv::app::TableGrid</name>
    <message>
        <source>¿Borrar el registro?</source>
        <translation>Erregistroa ezabatu?</translation>
    </message>
</context>
<context>
    <name>tv::app::TeacherWeekModel</name>
    <message>
        <source>Sesión %1</source>
        <translation>%1. saioa</translation>
    </message>
    <message>
        <source>Lunes</source>
        <translation>Astelehena</translation>
    </message>
    <message>
        <source>Martes</source>
        <translation>Asteartea</translation>
    </message>
    <message>
        <source>Miércoles</source>
        <translation>Asteazkena</translation>
    </message>
    <message>
        <source>Jueves</source>
        <translation>Osteguna</translation>
    </message>
    <message>
        <source>Viernes</source>
        <translation>Ostirala</translation>
    </message>
    <message>
        <source>Sábado</source>
        <translation>Larunbata</translation>
    </message>
    <message>
        <source>Domingo</source>
        <translation>Igandea</translation>
    </message>
    <message>
        <source>Día %1</source>
        <translation>%1. eguna</translation>
    </message>
</context>
<context>
    <name>tv::app::TeachersModel</name>
    <message>
        <source>Profesor</source>
        <translation>Irakaslea</translation>
    </message>
    <message>
        <source>Nombre</source>
        <translation>Izena</translation>
    </message>
    <message>
        <source>Departamento</source>
        <translation>Mintegia</translation>
    </message>
    <message>
        <source>TipoDOC</source>
        <translation>AgiriMota</translation>
    </message>
    <message>
        <source>DOCUMENTO D.N.I.</source>
        <translation>N.A.N. AGIRIA</translation>
    </message>
</context>
<context>
    <name>tv::app::TemplatePanel</name>
    <message>
        <source>Seleccione la Plantilla Horaria a Integrar en TabloRix</source>
        <translation>Hautatu TabloRixen txertatu beharreko ordutegi txantiloia</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Ados</translation>
    </message>
    <message>
        <source>RECOGIENDO DATOS PARA TABLORIX -  ESPERE UN MOMENTO </source>
        <translation>TABLORIXERAKO DATUAK BILTZEN -  ITXARON PIXKA BAT </translation>
    </message>
</context>
<context>
    <name>tv::app::TemplatesModel</name>
    <message>
        <source>CODIGO</source>
        <translation>KODEA</translation>
    </message>
    <message>
        <source>PLANTILLA</source>
        <translation>TXANTILOIA</translation>
    </message>
</context>
</TS>

#!/usr/bin/env python3
# Writes docs/ayuda/guia-usuario.html, the help shipped beside the program, from
# docs/guia-usuario.md (the small Markdown subset that guide uses; pictures left out).
# Run from anywhere: python3 tools/make-help-html.py
import os
os.chdir(os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
import re,html
md=open('docs/guia-usuario.md',encoding='utf-8').read()
def inline(t):
    t=html.escape(t,quote=False)
    t=re.sub(r'\*\*(.+?)\*\*',r'<strong>\1</strong>',t)
    t=re.sub(r'`(.+?)`',r'<code>\1</code>',t)
    t=t.replace('<strong>Recoger Textos en</strong>','<strong id="contexto-1">Recoger Textos en</strong>')
    return t
out=[]; para=[]; stack=[]
def flush():
    global para
    if para: out.append('<p>'+inline(' '.join(para))+'</p>'); para=[]
def close_lists(level):
    while len(stack)>level:
        kind=stack.pop(); out.append('</li></%s>'%kind)
for line in md.split('\n'):
    if line.strip().startswith('!['): continue
    if not line.strip():
        flush(); continue
    m=re.match(r'^(#+) (.*)',line)
    if m:
        flush(); close_lists(0)
        lvl=len(m.group(1)); txt=m.group(2)
        a=' id="contexto-3"' if txt=='La ventana principal' else ''
        out.append('<h%d%s>%s</h%d>'%(lvl,a,inline(txt),lvl)); continue
    m=re.match(r'^( *)(-|\d+\.) (.*)',line)
    if m:
        flush()
        level=1 if len(m.group(1))==0 else 2
        kind='ul' if m.group(2)=='-' else 'ol'
        if len(stack)<level:
            out.append('<%s><li>'%kind); stack.append(kind)
        else:
            close_lists(level); out.append('</li><li>')
        para=[m.group(3)]; continue
    para.append(line.strip())
flush(); close_lists(0)
page='''<!doctype html>
<html lang="es">
<head>
<meta charset="utf-8">
<title>TransVeloraDAE — Guía de uso</title>
<!-- El mismo texto que docs/guia-usuario.md. Los anclajes contexto-N son los contextos de ayuda de la ventana. -->
<style>
body { font-family: sans-serif; max-width: 46em; margin: 2em auto; line-height: 1.45; color: #222; }
h1, h2 { color: #1c3f94; } h2 { border-bottom: 1px solid #ccd; }
code { background: #f2f2f2; padding: 0 .2em; }
</style>
</head>
<body>
%s
</body>
</html>
'''%'\n'.join(out)
open('docs/ayuda/guia-usuario.html','w',encoding='utf-8').write(page)

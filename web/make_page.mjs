// Writes the browser page: one HTML file that carries the core in WebAssembly, the page's
// script and styles, and the glyphs of Liberation Serif that the form shows. The form's places,
// colours, font, names and first contents come from the core itself, read here in Node through
// the same bindings as the page's. Also writes the same form with no script, the reference of
// the start-up benchmark. The same inputs give the same bytes.
//   node make_page.mjs FACTS.js MODULE.js FONT.ttf ICON.svg PYFTSUBSET TITLE PAGE.html STATIC.html
import { execFileSync } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';

const [factsModule, pageModule, fontFile, icon, pyftsubset, title, pageOut, staticOut] =
    process.argv.slice(2);
const here = new URL('.', import.meta.url).pathname;
const read = (file) => readFileSync(file, 'utf8');

const core = await createRequire(import.meta.url)(resolve(factsModule))();
const facts = core.facts();
const form = new core.PageForm(() => {});

const escape = (text) =>
    text.replace(/[&<>"]/g, (c) => ({ '&': '&amp;', '<': '&lt;', '>': '&gt;', '"': '&quot;' })[c]);
const px = (twips) => `${twips / facts.twipsPerPixel}px`;
const box = ({ left, top, width, height }) =>
    `left:${px(left)};top:${px(top)};width:${px(width)};height:${px(height)}`;

// Only the glyphs of the texts the form may show, as WOFF2.
function fontSubset() {
    const work = mkdtempSync(join(tmpdir(), 'tarvello-font-'));
    try {
        const chars = [...new Set(facts.shownTexts.join('').replace(/\r\n/g, ''))].sort().join('');
        const out = join(work, 'subset.woff2');
        execFileSync(pyftsubset, [fontFile, `--text=${chars}`, '--flavor=woff2',
            '--name-IDs=0,1,2,3,4,5,6,13,14', '--drop-tables+=FFTM', `--output-file=${out}`]);
        return readFileSync(out).toString('base64');
    } finally {
        rmSync(work, { recursive: true });
    }
}

const { colours, font, names } = facts;
const carried = `Tarvello ${font.fallback}`;
const style = [
    `@font-face{font-family:"${carried}";src:local("${font.fallback}"),` +
        `url(data:font/woff2;base64,${fontSubset()}) format("woff2")}`,
    `:root{${Object.entries(colours).map(([name, c]) => `--${name}:rgb(${c.join(',')})`).join(';')}}`,
    `#form{${box(facts.clientArea)};font:${font.points}pt "${font.family}","${carried}",serif}`,
    ...facts.controls.map((c) => `#${c.control}{${box(c)}}`),
    ...facts.kinds.map((k) => `#kind-${k.kind}{${box(k)}}`),
    read(join(here, 'page.css')),
].join('\n');

// Each control as first shown; the page fills in the rest of its state when it starts.
const kindButtons = facts.kinds.map(({ kind }) =>
    `<button type="button" class="kind" id="kind-${kind}" data-kind="${kind}" ` +
    `aria-describedby="kind-help"><span class="name"><span class="caption">` +
    `${escape(form.caption(kind))}</span><span class="sizer" aria-hidden="true">` +
    `${escape(form.kindName(kind))}</span></span></button>`);
const shown = {
    title: `<h1 id="title" class="label">${escape(form.label(0))}</h1>`,
    info: `<textarea id="info" readonly autofocus aria-label="${escape(names.infoBox)}" ` +
        `aria-describedby="info-help">${escape(form.info())}</textarea>`,
    frame: `<div id="frame" role="group" aria-labelledby="frame-caption">` +
        `<span id="frame-caption">${escape(form.frame())}</span>\n${kindButtons.join('\n')}</div>`,
    heading: `<div id="heading" class="label">${escape(form.label(1))}</div>`,
    list: `<ul id="list" tabindex="0" aria-label="${escape(names.answerList)}" ` +
        `aria-describedby="list-help"></ul>`,
    clear: `<button type="button" id="clear" aria-describedby="clear-help">` +
        `${escape(form.clear())}</button>`,
};
// The title heads the page; then the focus ring in order, each other label just before the
// control under it.
const ring = facts.controls.filter((c) => c.tabStop >= 0).sort((a, b) => a.tabStop - b.tabStop);
const under = (label) => ring.filter((c) => c.top >= label.top + label.height &&
    c.left < label.left + label.width && label.left < c.left + c.width)
    .sort((a, b) => a.top - b.top)[0];
const controls = ['title'];
for (const control of ring) {
    controls.push(...facts.controls.filter((c) => c.tabStop < 0 && c.control !== 'title' &&
        under(c) === control).map((c) => c.control), control.control);
}
const help = [['info', names.infoBoxHelp], ['kind', names.kindButtonHelp],
    ['list', names.answerListHelp], ['clear', names.clearButtonHelp]];
const markup = [
    ...controls.map((control) => shown[control]),
    '<div id="news" role="status"></div>',
    `<div hidden>${help.map(([id, text]) => `<span id="${id}-help">${escape(text)}</span>`).join('')}</div>`,
].join('\n');

const fill = (scripts) => read(join(here, 'page.html'))
    .replace('{{title}}', () => escape(title))
    .replace('{{icon}}', () => `data:image/svg+xml;base64,${readFileSync(icon).toString('base64')}`)
    .replace('{{style}}', () => style)
    .replace('{{form}}', () => markup)
    .replace('{{scripts}}', () => scripts);
// The core's module as a module script, run once the page is parsed, so that the form is drawn
// before it; the page's script, run at once, starts it.
writeFileSync(pageOut, fill(`<script>\n${read(join(here, 'page.js'))}</script>\n` +
    `<script type="module">\n${read(pageModule)}window.createTarvello = createTarvello;\n</script>`));
writeFileSync(staticOut, fill(''));

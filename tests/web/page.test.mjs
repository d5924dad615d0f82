// The browser page in Debian's Chromium and Firefox ESR: whole games by mouse, pen, touch and
// keyboard, each step checked against the core's own form played alongside in Node; the places,
// colours and font against the core's facts; the accessibility tree; axe-core; and that the
// page sends and stores nothing. TARVELLO_PAGE is the page, TARVELLO_FACTS the core for Node,
// TARVELLO_TITLE the window's caption.
import assert from 'node:assert/strict';
import { mkdtempSync, readFileSync } from 'node:fs';
import { createServer } from 'node:http';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { after, before, test } from 'node:test';
import { pathToFileURL } from 'node:url';

const require = createRequire(new URL('../../web/package.json', import.meta.url));
const puppeteer = require('puppeteer-core');
const core = await require(process.env.TARVELLO_FACTS)();
const facts = core.facts();
const url = pathToFileURL(process.env.TARVELLO_PAGE).href;
const kinds = facts.kinds.map((k) => k.kind); // by screen row
const chromiumArgs = ['--headless', '--no-sandbox', '--disable-gpu', '--no-first-run',
    '--disable-background-networking', '--disable-component-update', '--disable-sync'];
const launch = (env = process.env) => puppeteer.launch({ executablePath: '/usr/bin/chromium',
    headless: true, env, args: [...chromiumArgs, `--user-data-dir=${mkdtempSync(join(tmpdir(), 'tarvello-'))}`] });
let chromium, firefox;
const requests = [];
before(async () => {
    [chromium, firefox] = await Promise.all([launch(), puppeteer.launch({ browser: 'firefox',
        executablePath: '/usr/bin/firefox-esr', headless: true })]);
});
after(() => Promise.all([chromium.close(), firefox.close()]));

async function open(browser, { width = 800, height = 600, mobile = false, query = '', at = url } = {}) {
    const page = await browser.newPage();
    await page.setViewport({ width, height, isMobile: mobile, hasTouch: mobile });
    await page.setRequestInterception(true);
    page.on('request', (request) => requests.push(request.url()) && request.continue());
    await page.goto(at + query);
    await page.waitForSelector('#form:not([aria-busy])');
    return page;
}

// What the page shows, and what the core's form shows after the same moves.
const shown = (page) => page.evaluate(() => {
    const buttons = [...document.querySelectorAll('.kind')].sort((a, b) => a.dataset.kind - b.dataset.kind);
    return { captions: buttons.map((b) => b.querySelector('.caption').textContent),
        names: buttons.map((b) => b.getAttribute('aria-label')),
        used: buttons.map((b) => b.getAttribute('aria-pressed') === 'true'),
        rows: [...document.querySelectorAll('.row')].map((row) => row.textContent),
        info: document.querySelector('#info').value, news: document.querySelector('#news').textContent,
        focus: document.querySelector('#form').contains(document.activeElement) };
});
function expected(form, news) {
    const all = [...kinds].sort();
    return { captions: all.map((k) => form.caption(k)), used: all.map((k) => form.caption(k) === ''),
        names: all.map((k) => core.kindButtonName(form.caption(k), form.kindName(k))),
        rows: Array.from({ length: form.rowCount() }, (_, r) => form.row(r)),
        info: form.info().replace(/\r\n/g, '\n'), news };
}

// One move of a game, on the core's form: the news it must give.
function play(form, [move, at]) {
    if (move === 'kind') {
        const used = form.caption(at) === '';
        form.clickKind(at);
        return used ? core.usedNotPicked(form.kindName(at)) : form.info();
    }
    if (move === 'row') {
        const name = form.row(at);
        form.clickRow(at);
        return core.takenBack(name);
    }
    form.clickClear();
    return facts.names.cleared;
}
const selector = ([move, at]) =>
    ({ kind: `#kind-${at}`, row: `#list li:nth-child(${at + 1}) .row`, clear: '#clear' })[move];
async function pointer(page, type, [move, at]) {
    const target = await page.$(selector([move, at]));
    await target.scrollIntoView();
    const box = await target.boundingBox();
    const [x, y] = [box.x + box.width / 2, box.y + box.height / 2];
    if (type === 'touch')
        return page.touchscreen.tap(x, y);
    const cdp = await page.createCDPSession();
    for (const event of ['mousePressed', 'mouseReleased'])
        await cdp.send('Input.dispatchMouseEvent', { type: event, x, y, button: 'left', clickCount: 1, pointerType: type });
}
// By keys alone: Tab to the control's stop, arrows to it, then Space (or Enter on a row).
async function keys(page, [move, at]) {
    const group = move === 'kind' ? '#frame' : move === 'row' ? '#list' : '#clear';
    const inGroup = () => page.$eval(group, (g) => g.contains(document.activeElement));
    const back = await page.$eval(group, (g) => // Shift+Tab to a stop before the focus
        Boolean(document.activeElement.compareDocumentPosition(g) & Node.DOCUMENT_POSITION_PRECEDING));
    if (back)
        await page.keyboard.down('Shift');
    for (let tabs = 0; tabs < 4 && !await inGroup(); ++tabs)
        await page.keyboard.press('Tab');
    await page.keyboard.up('Shift');
    const target = await page.$(selector([move, at]));
    for (let steps = 0; steps < 7 && !await target.evaluate((t) => t === document.activeElement); ++steps) {
        const below = await page.$$eval('.row', (rows, at) => rows.indexOf(document.activeElement) > at, at);
        await page.keyboard.press(below ? 'ArrowUp' : 'ArrowDown');
    }
    await page.keyboard.press(move === 'row' && at % 2 ? 'Enter' : ' ');
}
const inputs = {
    mouse: (page, move) => page.click(selector(move)),
    pen: (page, move) => pointer(page, 'pen', move),
    touch: (page, move) => pointer(page, 'touch', move),
    keyboard: keys,
};

// Each pick, a description and a blanked button; the right verdict; a take-back from the middle
// and a re-pick, the wrong verdict; a used kind, twice (the same news again); a take-back of
// the last row; "Чисти".
const game = [...[0, 1, 2, 3, 4, 5, 6].map((k) => ['kind', k]), ['row', 3], ['kind', 3],
    ['kind', 3], ['kind', 3], ['row', 6], ['row', 0], ['clear']];
for (const [browserName, input] of [['chromium', 'mouse'], ['chromium', 'pen'], ['chromium', 'touch'],
    ['chromium', 'keyboard'], ['firefox', 'mouse'], ['firefox', 'keyboard']]) {
    test(`a whole game by ${input} in ${browserName} shows the core's form at every step`, async () => {
        const page = await open(browserName === 'firefox' ? firefox : chromium, { mobile: input === 'touch' });
        const form = new core.PageForm(() => {});
        let news = '';
        for (const move of game) {
            const said = play(form, move);
            await inputs[input](page, move); // and at once: no delay, nothing to wait for
            const now = await shown(page);
            assert.notEqual(now.news, news, `${move}: news again`);
            news = now.news;
            assert.deepEqual({ ...now, news: now.news.trim() }, { ...expected(form, said), focus: true }, move);
        }
        assert.equal(await page.evaluate(() => document.cookie + localStorage.length + sessionStorage.length), '00');
        form.delete();
    });
}

test('a held key counts once; a take-back is said before the row that takes its place', async () => {
    const page = await open(chromium);
    await page.evaluate(() => {
        window.heard = [];
        document.addEventListener('focusin', (e) =>
            heard.push([e.target.textContent, document.querySelector('#news').textContent]));
    });
    const form = new core.PageForm(() => {});
    for (const kind of [0, 1, 2])
        await page.click(`#kind-${kind}`);
    await page.focus('#list li:nth-child(2) .row');
    for (let held = 0; held < 5; ++held)
        await page.keyboard.down('Enter'); // repeats after the first
    await page.keyboard.up('Enter');
    assert.deepEqual((await shown(page)).rows, [form.kindName(0), form.kindName(2)]);
    assert.deepEqual(await page.evaluate(() => heard.at(-1)),
        [form.kindName(2), core.takenBack(form.kindName(1))]);
    await page.keyboard.press(' ');
    await page.keyboard.press(' '); // the list is empty, and keeps the focus
    assert.equal(await page.evaluate(() => document.activeElement.id), 'list');
    await page.keyboard.press('Tab');
    await page.keyboard.down('Shift');
    await page.keyboard.press('Tab');
    await page.keyboard.up('Shift');
    assert.equal((await shown(page)).news, facts.names.noAnswers);
    form.delete();
});

// At 100 %, each control at its place (15 twips a pixel, within 1 px) in its colour; scaled as
// one piece to a phone's width, laid out at that width; filling a whiteboard with ?fit.
const pixels = (r) => [r.left, r.top, r.width, r.height].map((t) => t / facts.twipsPerPixel);
const places = (page) => page.evaluate(() => Object.fromEntries(
    [...document.querySelectorAll('#form, #form > *, .kind')].map((e) => {
        const r = e.getBoundingClientRect(), style = getComputedStyle(e);
        return [e.id, [r.left, r.top, r.width, r.height, style.backgroundColor, style.fontFamily]];
    })));
for (const [size, view, scale] of [['100 %', {}, 1], ['a phone', { width: 360, height: 640, mobile: true }, 360 / 465],
    ['a whiteboard', { width: 1920, height: 1080, query: '?fit' }, 1080 / 357]]) {
    test(`the form at ${size}: places, colours and font from the core`, async () => {
        const page = await open(chromium, view);
        const [width, height] = await page.evaluate(() => [innerWidth, innerHeight]);
        assert.deepEqual([width, height], [view.width ?? 800, view.height ?? 600]);
        const shown = await places(page), [x0, y0] = shown.form;
        const colour = (name) => `rgb(${facts.colours[name].join(', ')})`;
        const frame = facts.controls.find((c) => c.control === 'frame');
        const want = [['form', facts.clientArea, 'form'], ...facts.controls.map((c) => [c.control, c,
            { title: 'label', heading: 'label', clear: 'clear' }[c.control]]),
            ...facts.kinds.map((k) => [`kind-${k.kind}`, { ...k, left: k.left + frame.left, top: k.top + frame.top }, 'kind'])];
        for (const [id, place, fill] of want) {
            const [left, top, w, h, background, font] = shown[id];
            pixels(place).forEach((p, i) => assert.ok(Math.abs([left - x0, top - y0, w, h][i] / scale -
                p + (i < 2 ? pixels(facts.clientArea)[i] : 0)) <= 1, `${id} ${i}: ${[left, top, w, h]}`));
            if (fill)
                assert.equal(background, colour(fill), id);
            assert.match(font, new RegExp(`^"${facts.font.family}", "Tarvello ${facts.font.fallback}"`));
        }
        assert.ok(x0 >= 0 && y0 >= 0 && x0 + shown.form[2] <= width && y0 + shown.form[3] <= height);
    });
}

test('the accessibility tree has the desktop\'s names and states; axe-core finds nothing', async () => {
    const page = await open(chromium);
    const form = new core.PageForm(() => {});
    const tree = async () => (await (await page.createCDPSession()).send('Accessibility.getFullAXTree'))
        .nodes.filter((n) => !n.ignored && ['button', 'list', 'textbox', 'status'].includes(n.role.value))
        .map((n) => [n.role.value, n.name.value, n.description?.value ?? '',
            n.properties.find((p) => p.name === 'pressed')?.value.value ?? '']);
    const axe = async () => {
        await page.addScriptTag({ path: require.resolve('axe-core/axe.min.js') });
        const { violations } = await page.evaluate(() => axe.run());
        assert.deepEqual(violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target)}`), []);
    };
    assert.deepEqual(await page.evaluate(() => [document.title, document.documentElement.lang]),
        [process.env.TARVELLO_TITLE, 'bg']); // the window's caption
    await axe();
    for (const kind of [3, 0])
        form.clickKind(kind), await page.click(`#kind-${kind}`);
    const n = facts.names;
    assert.deepEqual(await tree(), [['textbox', n.infoBox, n.infoBoxHelp, ''],
        ['list', n.answerList, n.answerListHelp, ''], ['button', form.clear(), n.clearButtonHelp, ''],
        ['status', '', '', ''],
        ...kinds.map((k) => ['button', core.kindButtonName(form.caption(k), form.kindName(k)),
            n.kindButtonHelp, String(form.caption(k) === '')]),
        ...[0, 1].map((r) => ['button', form.row(r), n.answerListHelp, ''])]);
    await page.focus('#list .row');
    await axe();
    form.delete();
});

test('a message in Bulgarian without WebAssembly or JavaScript; the carried font without others', async () => {
    for (const turnOff of [(page) => page.evaluateOnNewDocument(() => delete window.WebAssembly),
        (page) => page.setJavaScriptEnabled(false)]) {
        const page = await chromium.newPage();
        await turnOff(page);
        await page.goto(url);
        assert.deepEqual(await page.$eval('#unsupported', (p) => [p.checkVisibility(), /браузър/.test(p.textContent)]), [true, true]);
        assert.equal(await page.$eval('#form', (form) => form.checkVisibility()), false);
    }
    const captionWidth = (page) => page.$eval('#frame-caption', (c) => c.getBoundingClientRect().width);
    const bare = await launch({ ...process.env, FONTCONFIG_FILE: new URL('../window/hide_liberation.conf', import.meta.url).pathname });
    const page = await open(bare);
    assert.deepEqual(await page.evaluate(() => [...document.fonts].map((f) => f.status)), ['loaded']);
    assert.equal(await captionWidth(page), await captionWidth(await open(chromium)));
    await bare.close();
});

test('from a static web server as from a file, no request leaves the page', async () => {
    const server = createServer((_, response) => response.end(readFileSync(process.env.TARVELLO_PAGE)));
    await new Promise((listening) => server.listen(0, '127.0.0.1', listening));
    const served = `http://127.0.0.1:${server.address().port}/tarvello.html`;
    const page = await open(chromium, { at: served });
    await page.click('#kind-0');
    assert.equal((await shown(page)).rows.length, 1);
    server.close();
    assert.deepEqual(requests.filter((r) => ![url, served].includes(r.split('?')[0]) && !r.startsWith('data:')), []);
});

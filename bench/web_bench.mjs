// Benchmarks of the browser page in Debian's Chromium, each against its goal or a reference
// taken side by side in the same run:
//   weight: the whole page, gzip -9, against 100 KB;
//   start-up: from navigation until the form is drawn and takes input, against the same form
//     with no script (static-form.html), RUNS rounds, the two interleaved, the order turned
//     each round;
//   clicks: the time one click takes to handle (handler, DOM updates, style and layout),
//     CLICKS clicks of whole games; the p99 against 4 ms, and the same clicks on the static form.
//   node bench/web_bench.mjs PAGE.html STATIC.html [RUNS] [CLICKS]
import { mkdtempSync, readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { pathToFileURL } from 'node:url';
import { gzipSync } from 'node:zlib';

const [pagePath, staticPath, runs = 15, clicks = 10000] = process.argv.slice(2);
const puppeteer = createRequire(new URL('../web/package.json', import.meta.url))('puppeteer-core');
const quantile = (values, q) => [...values].sort((a, b) => a - b)[Math.min(values.length - 1,
    Math.floor(q * values.length))];
const ms = (value) => `${value.toFixed(2)} ms`;

const html = readFileSync(pagePath);
const weight = gzipSync(html, { level: 9 }).length;
console.log(`weight: ${html.length} bytes, gzip ${weight} bytes = ${(weight / 1024).toFixed(1)} KiB; ` +
    `ratio to 100 KB: ${(weight / 100000).toFixed(3)}`);

const browser = await puppeteer.launch({ executablePath: '/usr/bin/chromium', headless: true,
    args: ['--no-sandbox', '--disable-gpu', '--no-first-run', '--disable-background-networking',
        '--disable-component-update', '--disable-sync',
        `--user-data-dir=${mkdtempSync(join(tmpdir(), 'tarvello-bench-'))}`] });
const tab = await browser.newPage();
await tab.setViewport({ width: 800, height: 600 });
// The moment the form takes input: its script has started it (aria-busy gone), or, with no
// script, the document is parsed. Drawn: the first contentful paint.
await tab.evaluateOnNewDocument(() => {
    window.takesInput = new Promise((resolve) => document.addEventListener('DOMContentLoaded', () => {
        const form = document.getElementById('form');
        if (!form.hasAttribute('aria-busy'))
            return resolve(performance.now());
        new MutationObserver((_, observer) => {
            if (!form.hasAttribute('aria-busy'))
                observer.disconnect(), resolve(performance.now());
        }).observe(form, { attributes: true });
    }));
});
async function startUp(path) {
    await tab.goto('about:blank');
    await tab.goto(pathToFileURL(path).href);
    return tab.evaluate(async () => {
        const input = await takesInput;
        const paint = await new Promise((resolve) => new PerformanceObserver((list, observer) => {
            observer.disconnect();
            resolve(list.getEntries()[0].startTime);
        }).observe({ type: 'paint', buffered: true }));
        return Math.max(input, paint);
    });
}
const page = [], reference = [], ratios = [];
for (let round = 0; round < runs; ++round) {
    const [a, b] = round % 2 ? [pagePath, staticPath] : [staticPath, pagePath];
    const times = { [a]: await startUp(a), [b]: await startUp(b) };
    page.push(times[pagePath]);
    reference.push(times[staticPath]);
    ratios.push(times[pagePath] / times[staticPath]);
}
console.log(`start-up, ${runs} rounds: page median ${ms(quantile(page, 0.5))} ` +
    `(${ms(Math.min(...page))}-${ms(Math.max(...page))}), static form ${ms(quantile(reference, 0.5))} ` +
    `(${ms(Math.min(...reference))}-${ms(Math.max(...reference))}); ratio of medians ` +
    `${(quantile(page, 0.5) / quantile(reference, 0.5)).toFixed(3)}, within a round median ` +
    `${quantile(ratios, 0.5).toFixed(3)} (quartiles ${quantile(ratios, 0.25).toFixed(3)}-` +
    `${quantile(ratios, 0.75).toFixed(3)})`);

// Whole games: each kind in screen order, each row taken back from the top, then "Чисти".
async function clickTimes(path) {
    await startUp(path);
    return tab.evaluate((count) => {
        const kinds = [...document.querySelectorAll('.kind')];
        const times = { kind: [], row: [], clear: [] };
        const time = (what, element) => {
            const start = performance.now();
            element.click();
            document.body.getBoundingClientRect();
            times[what].push(performance.now() - start);
        };
        for (let done = 0; done < count; done += kinds.length * 2 + 1) {
            kinds.forEach((kind) => time('kind', kind));
            kinds.forEach(() => document.querySelector('.row') && time('row', document.querySelector('.row')));
            time('clear', document.getElementById('clear'));
        }
        return times;
    }, Number(clicks));
}
const [handled, bare] = [await clickTimes(pagePath), await clickTimes(staticPath)];
for (const what of ['kind', 'row', 'clear']) {
    const p99 = quantile(handled[what], 0.99);
    console.log(`click on ${what}: p50 ${ms(quantile(handled[what], 0.5))}, p99 ${ms(p99)} ` +
        `(ratio to 4 ms: ${(p99 / 4).toFixed(3)})` + (bare[what].length
        ? `; static form, no handler: p50 ${ms(quantile(bare[what], 0.5))}, p99 ${ms(quantile(bare[what], 0.99))}` : ''));
}
await browser.close();

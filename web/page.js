// The page's side of the exercise: it mirrors the core's form (PageForm) on the page's controls
// and routes the pupil's clicks and keys to it, as the desktop window does; nothing of the
// exercise is decided here. Each change the core reports is shown in place on the one control
// that shows it, so that the focus stays where it is. Every piece of news goes through the one
// polite live region, #news.
'use strict';
(() => {
    const byId = (id) => document.getElementById(id);
    const form = byId('form');

    // The form as one piece: scaled down to a smaller window, or with ?fit up to fill the screen.
    const fill = new URLSearchParams(location.search).has('fit');
    const fit = () => {
        const width = form.offsetWidth, height = form.offsetHeight;
        const fits = Math.min(innerWidth / width, innerHeight / height);
        const scale = fill ? fits : Math.min(fits, 1);
        form.style.transform = scale === 1 ? '' : `scale(${scale})`;
        form.style.left = `${Math.max(0, Math.floor((innerWidth - width * scale) / 2))}px`;
        form.style.top = `${Math.max(0, Math.floor((innerHeight - height * scale) / 2))}px`;
    };
    fit();
    addEventListener('resize', fit);

    const unsupported = () => {
        form.hidden = true;
        byId('unsupported').hidden = false;
    };
    if (typeof WebAssembly !== 'object') {
        unsupported();
        return;
    }
    form.setAttribute('aria-busy', 'true');
    document.addEventListener('DOMContentLoaded', () => createTarvello().then(start, unsupported));

    function start(core) {
        const [info, frame, list, clear, news] = ['info', 'frame', 'list', 'clear', 'news'].map(byId);
        const screen = [...frame.querySelectorAll('.kind')]; // top first
        const kinds = []; // by kind index
        for (const button of screen) kinds[button.dataset.kind] = button;
        const rows = () => [...list.querySelectorAll('.row')];
        let current = 0; // the answer list's current row, for the keyboard
        let page = null, names = []; // names: by kind index, from the answer key, which stays

        const set = (element, name, value) => {
            if (element.getAttribute(name) !== value)
                element.setAttribute(name, value);
        };
        const setText = (element, text) => {
            if (element.textContent !== text)
                element.textContent = text;
        };
        // A message the same as the one before is told apart by a no-break space, so that a
        // screen reader speaks it again.
        const announce = (text) => {
            news.textContent = news.textContent === text ? `${text}\u00a0` : text;
        };

        function showKind(kind) {
            const button = kinds[kind], caption = page.caption(kind);
            setText(button.querySelector('.caption'), caption);
            set(button, 'aria-label', core.kindButtonName(caption, names[kind]));
            set(button, 'aria-pressed', String(caption === ''));
            set(button, 'aria-disabled', String(!page.enabled(kind)));
            button.classList.toggle('dot', page.value(kind));
        }
        // The kinds are one tab stop: the focused one, else the chosen one, else the top one.
        function showKindStop() {
            const focused = screen.find((button) => button === document.activeElement);
            const stop = focused ?? kinds.find((_, kind) => page.value(kind)) ?? screen[0];
            for (const button of screen)
                set(button, 'tabindex', button === stop ? '0' : '-1');
        }
        // The answer list is one tab stop: its current row, or the list itself while empty.
        function showListStop() {
            const all = rows();
            const focused = all.indexOf(document.activeElement);
            current = focused >= 0 ? focused : Math.max(0, Math.min(current, all.length - 1));
            all.forEach((row, i) => set(row, 'tabindex', i === current ? '0' : '-1'));
            if (all.length)
                list.removeAttribute('tabindex');
            else
                set(list, 'tabindex', '0');
        }
        function rowAdded(row) {
            const item = document.createElement('li');
            const button = item.appendChild(document.createElement('button'));
            button.type = 'button';
            button.className = 'row';
            button.setAttribute('aria-describedby', 'list-help');
            button.textContent = page.row(row);
            list.insertBefore(item, list.children[row] ?? null);
            showListStop();
        }
        // A row taken back: its news first, then the focus on the row that takes its place,
        // before the row goes.
        function rowRemoved(row) {
            const item = list.children[row];
            announce(core.takenBack(item.textContent));
            if (item.contains(document.activeElement)) {
                const next = list.children[row + 1] ?? list.children[row - 1];
                if (!next)
                    set(list, 'tabindex', '0');
                (next ? next.firstChild : list).focus();
            }
            item.remove();
            showListStop();
        }
        function rowsCleared() {
            set(list, 'tabindex', '0');
            if (list.contains(document.activeElement))
                list.focus();
            list.replaceChildren();
            showListStop();
        }
        function showListIndex() {
            rows().forEach((row, i) => row.classList.toggle('selected', i === page.listIndex()));
        }
        function showInfo() {
            const text = page.info().replace(/\r\n/g, '\n');
            if (info.value !== text) {
                info.value = text;
                info.scrollTop = 0;
            }
        }
        const onList = { rowAdded, rowRemoved, rowsCleared, listIndex: showListIndex };
        function onChange(control, index, change, row) {
            if (control === 'kind') {
                showKind(index);
                if (change === 'value')
                    showKindStop();
            } else if (control === 'list') {
                onList[change](row);
            } else if (control === 'info') {
                showInfo();
            } else if (control === 'label') {
                setText(byId(index === 0 ? 'title' : 'heading'), page.label(index));
            } else if (control === 'frame') {
                setText(byId('frame-caption'), page.frame());
            } else if (control === 'clear') {
                setText(clear, page.clear());
            }
        }

        // A run-time error ends the exercise, as on the desktop: its message takes the form's place.
        function route(userAction) {
            const error = userAction();
            if (error)
                form.replaceChildren(Object.assign(document.createElement('p'), {
                    role: 'alert', textContent: error }));
            return !error;
        }
        function takeBack(row) {
            route(() => page.clickRow(row));
        }
        // Enter works as one press however long it is held; Space clicks once, on its release.
        const enterOnce = (event, action) => {
            if (event.key !== 'Enter')
                return false;
            event.preventDefault();
            if (!event.repeat)
                action();
            return true;
        };
        const steps = { ArrowUp: -1, ArrowLeft: -1, ArrowDown: 1, ArrowRight: 1 };

        frame.addEventListener('click', (event) => {
            const button = event.target.closest('.kind');
            if (!button)
                return;
            const kind = Number(button.dataset.kind), used = page.caption(kind) === '';
            if (route(() => page.clickKind(kind)))
                announce(used ? core.usedNotPicked(names[kind]) : page.info());
        });
        frame.addEventListener('keydown', (event) => {
            const at = screen.indexOf(event.target);
            if (event.key === 'Enter') {
                event.preventDefault(); // as on the desktop, only Space picks
            } else if (at >= 0 && steps[event.key]) {
                event.preventDefault();
                screen[(at + steps[event.key] + screen.length) % screen.length].focus();
            }
        });
        frame.addEventListener('focusin', showKindStop);
        frame.addEventListener('focusout', showKindStop);

        // A double click takes back one row, not two.
        list.addEventListener('click', (event) => {
            const row = event.target.closest('.row');
            if (row && event.detail < 2)
                takeBack(rows().indexOf(row));
        });
        list.addEventListener('keydown', (event) => {
            const all = rows();
            if (!all.length) {
                if (!event.repeat && (steps[event.key] || event.key === ' ' || event.key === 'Enter'))
                    announce(core.noAnswers());
                return;
            }
            if (enterOnce(event, () => takeBack(current)))
                return;
            const to = { Home: 0, End: all.length - 1 }[event.key] ?? current + (steps[event.key] ?? NaN);
            if (to >= 0 && to < all.length) {
                event.preventDefault();
                current = to;
                showListStop();
                all[to].focus();
            }
        });
        list.addEventListener('focusin', (event) => {
            if (event.target !== list)
                showListStop();
            else if (!list.contains(event.relatedTarget))
                announce(core.noAnswers());
        });

        clear.addEventListener('click', () => {
            if (route(() => page.clickClear()))
                announce(core.cleared());
        });
        clear.addEventListener('keydown', (event) => enterOnce(event, () => clear.click()));

        page = new core.PageForm(onChange);
        names = kinds.map((_, kind) => page.kindName(kind));
        kinds.forEach((_, kind) => showKind(kind));
        showKindStop();
        showListStop();
        showInfo();
        form.removeAttribute('aria-busy');
    }
})();

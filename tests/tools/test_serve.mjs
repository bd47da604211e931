// The local server against requests a browser would not send: paths that do not decode, ways out
// of the site folder, other methods; none may end the server or show what lies outside the site.
//   node --test-reporter=spec tests/tools/test_serve.mjs
import assert from 'node:assert/strict';
import {mkdtempSync, mkdirSync, rmSync, writeFileSync} from 'node:fs';
import {connect} from 'node:net';
import {tmpdir} from 'node:os';
import {join} from 'node:path';
import {after, before, test} from 'node:test';

import {serve} from '../../tools/serve.mjs';

const policy = "default-src 'self'";
const top = mkdtempSync(join(tmpdir(), 'serve-'));
mkdirSync(join(top, 'site'));
mkdirSync(join(top, 'site-secret'));
writeFileSync(join(top, 'site', 'index.html'),
    `<meta http-equiv="Content-Security-Policy" content="${policy}">`);
writeFileSync(join(top, 'site', 'small.js'), 'small');
writeFileSync(join(top, 'site-secret', 'secret.txt'), 'SECRET');

let server;
before(async () => server = await serve(join(top, 'site')));
after(() => {
    server.server.close();
    server.server.closeAllConnections();
    rmSync(top, {recursive: true, force: true});
});

// One request as written, the target untouched by a client's URL handling; resolves to the
// status, the headers (lower-case names) and the body, or fails if no answer comes.
function send(method, target, extra = '') {
    return new Promise((resolve, reject) => {
        const socket = connect(server.server.address().port, '127.0.0.1');
        const chunks = [];
        const fail = () => socket.destroy(new Error(`no answer to ${method} ${target}`));
        socket.setTimeout(5000, fail);
        socket.on('data', (chunk) => chunks.push(chunk)).on('error', reject).on('end', () => {
            const [head, ...body] = Buffer.concat(chunks).toString('latin1').split('\r\n\r\n');
            const [status, ...lines] = head.split('\r\n');
            const headers = Object.fromEntries(lines.map((line) => line.split(/: */))
                .map(([name, value]) => [name.toLowerCase(), value]));
            resolve({status: Number(status.split(' ')[1]), headers, body: body.join('\r\n\r\n')});
        });
        socket.write(`${method} ${target} HTTP/1.1\r\nHost: localhost\r\n${extra}` +
            'Connection: close\r\n\r\n');
    });
}

const allow = {allow: 'GET, HEAD'};
const cases = [
    // what, method, target, status, headers the answer must carry, its body if it matters
    ['an escape cut short', 'GET', '/50%', 400],
    ['a lone percent sign', 'GET', '/%', 400],
    ['an escape of no hex digits', 'GET', '/%ZZ', 400],
    ['an empty authority, no path', 'GET', '//', 400],
    ['a NUL byte', 'GET', '/small.js%00.html', 400],
    ['an escaped way to a sibling folder', 'GET', '/%2e%2e%2fsite-secret%2fsecret.txt', 404],
    ['a raw way to a sibling folder', 'GET', '/../site-secret/secret.txt', 404],
    ['a missing file', 'GET', '/missing.txt', 404],
    ['POST', 'POST', '/small.js', 405, allow],
    ['PUT', 'PUT', '/small.js', 405, allow],
    ['DELETE', 'DELETE', '/', 405, allow],
    ['the page, its policy a header', 'GET', '/', 200,
        {'content-security-policy': `${policy}; frame-ancestors 'none'`}],
    ['HEAD, its length and no body', 'HEAD', '/small.js', 200, {'content-length': '5'}, ''],
    ['a file with a query', 'GET', '/small.js?v=1', 200,
        {'content-type': 'text/javascript; charset=utf-8'}, 'small'],
];

for (const [what, method, target, status, headers = {}, body] of cases) {
    test(`${what}: ${method} ${target} -> ${status}`, async () => {
        const answer = await send(method, target);
        assert.equal(answer.status, status);
        for (const [name, value] of Object.entries(headers)) {
            assert.equal(answer.headers[name], value, name);
        }
        if (body !== undefined) assert.equal(answer.body, body);
        assert.ok(!answer.body.includes('SECRET'));
    });
}

test('still serves after all of them, gzipped where accepted', async () => {
    const answer = await send('GET', '/', 'Accept-Encoding: gzip\r\n');
    assert.equal(answer.status, 200);
    assert.equal(answer.headers['content-encoding'], 'gzip');
    assert.ok(server.bytes() > 0);
});

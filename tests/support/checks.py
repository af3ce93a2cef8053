"""A test script's checks: each says what it checked, and the failed ones are kept to count."""

failures = []


def check(condition, what):
    print(("ok: " if condition else "FAIL: ") + what)
    if not condition:
        failures.append(what)

# A 2004 passenger automobile with the shipped limits: capped years until the basis is used
$ --today 2024-06-15 --method MACRS --class "Automobiles (5)" --cost 30000 --in-service 012004
status:        "Method: MACRS-200% DB Luxury Auto" #0000ff
allowance:     ""
adjusted cost: ""
  Year      Depreciation    Adj. Tax Basis
  2004         2,960.00         27,040.00 
  2005         4,800.00         22,240.00 
  2006         2,850.00         19,390.00 
  2007         1,675.00         17,715.00 
  2008         1,675.00         16,040.00 
  2009         1,675.00         14,365.00 
  2010         1,675.00         12,690.00 
  2011         1,675.00         11,015.00 
  2012         1,675.00          9,340.00 
  2013         1,675.00          7,665.00 
  2014         1,675.00          5,990.00 
  2015         1,675.00          4,315.00 
  2016         1,675.00          2,640.00 
  2017         1,675.00            965.00 
  2018           965.00               .00 
focus: cmdCalculate
# The same at 60% business use: basis and limits at 60%
$ --today 2024-06-15 --method MACRS --class "Automobiles (5)" --business 60 --cost 30000 --in-service 012004
status:        "Method: MACRS-200% DB Luxury Auto" #0000ff
allowance:     ""
adjusted cost: ""
  Year      Depreciation    Adj. Tax Basis
  2004         1,776.00         16,224.00 
  2005         2,880.00         13,344.00 
  2006         1,710.00         11,634.00 
  2007         1,005.00         10,629.00 
  2008         1,005.00          9,624.00 
  2009         1,005.00          8,619.00 
  2010         1,005.00          7,614.00 
  2011         1,005.00          6,609.00 
  2012         1,005.00          5,604.00 
  2013         1,005.00          4,599.00 
  2014         1,005.00          3,594.00 
  2015         1,005.00          2,589.00 
  2016         1,005.00          1,584.00 
  2017         1,005.00            579.00 
  2018           579.00               .00 
focus: cmdCalculate
# The 50% allowance is cut to the first-year limit with the 50% allowance
$ --today 2024-06-15 --method MACRS --class "Automobiles (5)" --allowance 50 --cost 30000 --in-service 012004
status:        "Method: MACRS-200% DB Luxury Auto" #0000ff
allowance:     "10610"
adjusted cost: ""
  Year      Depreciation    Adj. Tax Basis
  2004              .00         19,390.00 
  2005         4,800.00         14,590.00 
  2006         2,850.00         11,740.00 
  2007         1,675.00         10,065.00 
  2008         1,675.00          8,390.00 
  2009         1,116.86          7,273.14 
  2010         1,675.00          5,598.14 
  2011         1,675.00          3,923.14 
  2012         1,675.00          2,248.14 
  2013         1,675.00            573.14 
  2014           573.14               .00 
message: [Orvane Asset Depreciation] The Special Depr Allowance was adjusted to be equal to the (max auto rate x Business %) of 10610
focus: cmdCalculate
# The ADS class list's automobile takes the same capped road
$ --today 2024-06-15 --method ADS --class "Automobiles (5)" --cost 30000 --in-service 012004
status:        "Method: MACRS-200% DB Luxury Auto" #0000ff
allowance:     ""
adjusted cost: ""
  Year      Depreciation    Adj. Tax Basis
  2004         2,960.00         27,040.00 
  2005         4,800.00         22,240.00 
  2006         2,850.00         19,390.00 
  2007         1,675.00         17,715.00 
  2008         1,675.00         16,040.00 
  2009         1,675.00         14,365.00 
  2010         1,675.00         12,690.00 
  2011         1,675.00         11,015.00 
  2012         1,675.00          9,340.00 
  2013         1,675.00          7,665.00 
  2014         1,675.00          5,990.00 
  2015         1,675.00          4,315.00 
  2016         1,675.00          2,640.00 
  2017         1,675.00            965.00 
  2018           965.00               .00 
focus: cmdCalculate
# A truck sold in its third year, half year
$ --today 2024-06-15 --asset-type relinquished --method MACRS --class "Truck/Van (5)" --cost 40000 --in-service 012010 --sold 062012
status:        "Method: MACRS-200% DB Luxury Auto" #0000ff
allowance:     ""
adjusted cost: ""
  Year      Depreciation    Adj. Tax Basis
  2010         3,160.00         36,840.00 
  2011         5,100.00         31,740.00 
  2012         1,525.00         30,215.00 
focus: cmdCalculate
# A year with no limits recorded
$ --today 2024-06-15 --method MACRS --class "Automobiles, Clean Fuel (5)" --cost 30000 --in-service 011985
status:        "Use Tools/Automobile Max Amounts to enter the max auto depr amount for this year." #ff0000
allowance:     ""
adjusted cost: ""
  Year      Depreciation    Adj. Tax Basis
focus: cmdCalculate
# A folder that cannot hold limit files
$ --today 2024-06-15 --limits-dir /nonexistent/orvane --method MACRS --class "Automobiles (5)" --cost 30000 --in-service 012004
status:        "Use Tools/Automobile Max Amounts to enter the max auto depr amount for this year." #ff0000
allowance:     ""
adjusted cost: ""
  Year      Depreciation    Adj. Tax Basis
message: [Orvane Asset Depreciation] Can't open file.
message: [Orvane Asset Depreciation] Can't open file.
message: [Orvane Asset Depreciation] 52 Error in SearchFile Bad file name or number
focus: cmdCalculate
# A tiny cost: the allowance is written in plain decimals, never with an exponent
$ --today 2024-06-15 --method MACRS --class "Automobiles (5)" --cost 0.0001 --in-service 032010 --allowance 30
status:        "Method: MACRS-200% DB Luxury Auto" #0000ff
allowance:     "0.00003"
adjusted cost: ""
  Year      Depreciation    Adj. Tax Basis
  2010              .00               .00 
  2011              .00               .00 
  2012              .00               .00 
  2013              .00               .00 
  2014              .00               .00 
  2015              .00               .00 
  2016              .00               .00 
focus: cmdCalculate
